// The installed package's brain in Node: a whole game through move(), the same answers as
// pbrain-orvane under the same stopped clock, and bad input refused with a message that says
// what is wrong, the brain playing on as before. The time zone's offset is not a whole hour, so
// that a mix-up of local and UTC time changes the random draws.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { benchPosition, boardBlock } from '../../../tools/bench_positions.mjs';
import { importOrvane, pbrainBinary } from './installed_package.mjs';

process.env.TZ = 'Asia/Kathmandu';
const FrozenTime = '2026-12-07 13:05:42.378';
const frozenClock = new Date(2026, 11, 7, 13, 5, 42, 378).getTime();
const { createBrain } = await importOrvane();

// The moves the brain would still make on a filled board, as its time budget counts them.
const movesLeft = (stones) => Math.floor((401 - stones) / 2);

// Each case gives pbrain-orvane the position and time settings that a manager would send for it,
// chosen apart from the package's own: a level's depth comes from another share of the match
// time per move, or from a short turn.
const midgame = benchPosition('sp2_g001_p026');
const crowded = benchPosition('sp1_g001_p071');
const early = benchPosition('sp2_g006_p011');
const agreementCases = [
  {
    name: 'a string of moves, level 6',
    position: '9,9 10,10 9,10 10,9 9,11 8,10',
    options: { level: 6 },
    depth: 6,
    native: [
      `INFO time_left ${265 * movesLeft(6)}`,
      'BOARD',
      ...['9,9,1', '10,10,2', '9,10,1', '10,9,2', '9,11,1', '8,10,2'],
      'DONE',
    ],
  },
  {
    name: 'stones, level 10',
    position: midgame,
    options: { level: 10 },
    depth: 10,
    native: ['INFO timeout_match 0', ...boardBlock(midgame)],
  },
  {
    name: 'stones, level 8',
    position: crowded,
    options: { level: 8 },
    depth: 8,
    native: [`INFO time_left ${300 * movesLeft(crowded.length)}`, ...boardBlock(crowded)],
  },
  {
    name: 'stones, level 2',
    position: early,
    options: { level: 2 },
    depth: 2,
    native: ['INFO timeout_turn 2000', ...boardBlock(early)],
  },
  {
    name: "a manager's times",
    position: midgame,
    options: { turnTime: 5000, matchTime: 180000, timeLeft: 40000 },
    depth: 2,
    native: [
      'INFO timeout_turn 5000',
      'INFO timeout_match 180000',
      'INFO time_left 40000',
      ...boardBlock(midgame),
    ],
  },
  {
    name: 'a match time and no time left',
    position: crowded,
    options: { matchTime: 52000 },
    depth: 8,
    native: ['INFO timeout_match 52000', ...boardBlock(crowded)],
  },
  {
    name: 'the empty board, after the others',
    position: '',
    options: {},
    depth: 0,
    native: ['BEGIN'],
  },
];

test('move() answers as pbrain-orvane does under the same stopped clock', async () => {
  const brain = await createBrain({ frozenClock });
  for (const { name, position, options, depth, native } of agreementCases) {
    const answer = brain.move(position, options);
    const expected = nativeAnswer(['START 20', ...native]);
    assert.deepEqual(
      { ...answer, line: undefined, candidates: undefined },
      { ...expected.answer, line: undefined, candidates: undefined },
      name,
    );
    assert.equal(answer.depth, depth, `${name}: the depth`);
    const format = (cells, total) =>
      cells.map((cell) => `${cell.x},${cell.y}${total ? `:${cell.total}` : ''}`).join(' ');
    assert.equal(format(answer.line), expected.line ?? `${answer.x},${answer.y}`, name);
    assert.equal(format(answer.candidates, true), expected.candidates ?? '', name);
  }
});

test('a whole game through move(), each level searching its depth', async () => {
  const brain = await createBrain({ frozenClock });
  const Levels = [10, 2, 8, 6];
  const moves = [];
  while (moves.length < 400 && !endsInFive(moves)) {
    const level = Levels[moves.length % Levels.length];
    const { x, y, depth } = brain.move(moves.join(' '), { level });
    assert.ok(
      !moves.includes(`${x},${y}`),
      `move ${moves.length + 1}, ${x},${y}, on an empty cell`,
    );
    assert.equal(depth, moves.length === 0 ? 0 : budgetDepth(level, moves.length));
    moves.push(`${x},${y}`);
  }
  assert.ok(endsInFive(moves), `five in a row after ${moves.length} moves`);
});

// Each bad input, and what its error must say.
const fullBoard = Array.from({ length: 400 }, (_, cell) => `${cell % 20},${Math.floor(cell / 20)}`);
const badInputs = [
  [[{ x: 20, y: 3, stone: 'own' }], {}, /^position\[0\] at 20,3 is off the board/],
  ['9,9 -1,4', {}, /^move 2 at -1,4 is off the board/],
  [[{ x: 1.5, y: 3, stone: 'own' }], {}, /^position\[0\] has x 1\.5 and y 3: x and y are whole/],
  [
    [
      { x: 3, y: 3, stone: 'own' },
      { x: 4, y: 4, stone: 'opponent' },
      { x: 3, y: 3, stone: 'opponent' },
    ],
    {},
    /^two stones on 3,3: position\[0\] and position\[2\]/,
  ],
  ['9,9 10,10 9,9', {}, /^two stones on 9,9: move 1 and move 3/],
  [fullBoard.join(' '), {}, /^the board is full/],
  ['9,9', { level: 5 }, /^unknown level 5: the levels are 2, 6, 8 and 10/],
  ['9,9', { level: '8' }, /^unknown level "8"/],
  ['9,9 10;10', {}, /^malformed move "10;10" \(move 2\)/],
  [42, {}, /^the position is an array of stones or a string of moves, not 42/],
  [null, {}, /, not null$/],
  [{ x: 9, y: 9 }, {}, /, not an object$/],
  [[{ x: 9, y: 9, stone: 'black' }], {}, /^position\[0\] is not a stone/],
  ['9,9', { depth: 6 }, /^unknown option "depth"/],
  ['9,9', { level: 8, turnTime: 5000 }, /^give a level or times \(turnTime\), not both/],
  ['9,9', { timeLeft: -1 }, /^timeLeft is a whole number of milliseconds, 0 or more, not -1/],
  ['9,9', 'fast', /^the options are an object/],
];

test('bad input throws an Error that says what is wrong, and the brain plays on', async () => {
  const brain = await createBrain({ frozenClock });
  const good = () => brain.move('9,9 10,10 9,10', { level: 6 });
  const before = good();
  for (const [position, options, message] of badInputs) {
    assert.throws(() => brain.move(position, options), { name: 'Error', message });
    assert.deepEqual(good(), before, `after ${message}`);
  }
  assert.throws(() => brain.command(42), { message: /^a command is a string/ });
  assert.throws(() => brain.command('ABOUT\0'), { message: /NUL/ });
});

test('commands that change the session leave the next move as it would be', async () => {
  const brain = await createBrain({ frozenClock });
  const good = () => brain.move('9,9 10,10 9,10', { level: 6 });
  const before = good();
  for (const command of ['INFO rule 4', 'BOARD\n3,3,1', 'END', 'TURN 0,0', 'INFO time_left 0']) {
    brain.command(command);
    assert.deepEqual(good(), before, `after ${JSON.stringify(command)}`);
  }
  assert.deepEqual(brain.command('ABOUT'), [
    'name="Orvane", version="1.6", author="Orvane developers"',
  ]);
});

// pbrain-orvane's answer to `lines`, under faketime's stopped clock.
function nativeAnswer(lines) {
  const run = spawnSync('faketime', ['-f', FrozenTime, pbrainBinary], {
    input: lines.join('\n') + '\n',
    encoding: 'latin1',
  });
  assert.equal(run.status, 0, run.stderr);
  const replies = run.stdout.split('\r\n').slice(0, -1);
  const [x, y] = replies.at(-1).split(',').map(Number);
  const search = replies
    .map((reply) => /^MESSAGE depth (\d+), (\d+) nodes, root verdict (.+), (\S+) s$/.exec(reply))
    .find(Boolean);
  const [, depth = 0, nodes = 0, verdict = 'undecided', seconds = 0] = search ?? [];
  const message = (prefix) =>
    replies.find((reply) => reply.startsWith(prefix))?.slice(prefix.length);
  return {
    answer: { x, y, depth: +depth, nodes: +nodes, verdict, seconds: +seconds },
    line: message('MESSAGE line '),
    candidates: message('MESSAGE candidates '),
  };
}

// The depth the brain's budget gives a level with this many stones on the board.
function budgetDepth(level, stones) {
  if (level === 2 || stones >= 268) return 2;
  return stones <= 4 ? 6 : level;
}

// Whether the last of the alternating moves "x,y" made five in a row for its side.
function endsInFive(moves) {
  if (moves.length === 0) return false;
  const side = new Set(moves.filter((_, index) => (moves.length - 1 - index) % 2 === 0));
  const [x, y] = moves.at(-1).split(',').map(Number);
  return [
    [1, 0],
    [0, 1],
    [1, 1],
    [1, -1],
  ].some(([dx, dy]) => {
    const run = (sign) => {
      let length = 0;
      while (side.has(`${x + sign * (length + 1) * dx},${y + sign * (length + 1) * dy}`)) length++;
      return length;
    };
    return 1 + run(1) + run(-1) >= 5;
  });
}
