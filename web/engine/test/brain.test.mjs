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
const { createBrain, OrvaneError } = await importOrvane();

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

// Each bad input, the code of its error and what the error must say.
// A full board with no five: pairs of cells alternate along the rows, shifted by one each row.
const fullBoard = Array.from({ length: 400 }, (_, cell) => {
  const [x, y] = [cell % 20, Math.floor(cell / 20)];
  return { x, y, stone: ((x >> 1) + y) % 2 ? 'own' : 'opponent' };
});
const badInputs = [
  [
    [{ x: 20, y: 3, stone: 'own' }],
    {},
    'BAD_POSITION',
    /^position\[0\] at 20,3 is off the 20 × 20/,
  ],
  ['9,9 -1,4', {}, 'BAD_POSITION', /^move 2 at -1,4 is off the 20 × 20 board/],
  ['9,9 12,3', { size: 11 }, 'BAD_POSITION', /x runs from 0 to 10 and y from 0 to 10$/],
  [[{ x: 1.5, y: 3, stone: 'own' }], {}, 'BAD_POSITION', /^position\[0\] has x 1\.5 and y 3/],
  [
    [
      { x: 3, y: 3, stone: 'own' },
      { x: 4, y: 4, stone: 'opponent' },
      { x: 3, y: 3, stone: 'opponent' },
    ],
    {},
    'BAD_POSITION',
    /^two stones on 3,3: position\[0\] and position\[2\]/,
  ],
  ['9,9 10,10 9,9', {}, 'BAD_POSITION', /^two stones on 9,9: move 1 and move 3/],
  ['9,9 10;10', {}, 'BAD_POSITION', /^malformed move "10;10" \(move 2\)/],
  [42, {}, 'BAD_POSITION', /^the position is an array of stones or a string of moves, not 42/],
  [null, {}, 'BAD_POSITION', /, not null$/],
  [{ x: 9, y: 9 }, {}, 'BAD_POSITION', /, not an object$/],
  [[{ x: 9, y: 9, stone: 'red' }], {}, 'BAD_POSITION', /^position\[0\] is not a stone.*"red"$/],
  [
    [
      { x: 9, y: 9, stone: 'black' },
      { x: 9, y: 8, stone: 'own' },
    ],
    {},
    'BAD_POSITION',
    /not a mix$/,
  ],
  [[{ x: 9, y: 9, stone: 'white' }], {}, 'BAD_POSITION', /^black has 0 stones and white 1/],
  [fullBoard, {}, 'GAME_OVER', /^the board is full/],
  [
    '0,0 1,1 0,1 1,2 0,2 1,3 0,3 1,4 0,4',
    {},
    'GAME_OVER',
    /^the game is over: black \(the side that moved last\) has 5 in a row at 0,0 0,1 0,2 0,3 0,4$/,
  ],
  ['9,9', { level: 5 }, 'BAD_OPTION', /^unknown level 5: the levels are 2, 6, 8 and 10/],
  ['9,9', { level: '8' }, 'BAD_OPTION', /^unknown level "8"/],
  ['9,9', { depth: 6 }, 'BAD_OPTION', /^unknown option "depth"/],
  ['9,9', { level: 8, turnTime: 5000 }, 'BAD_OPTION', /^give a level or times \(turnTime\)/],
  ['9,9', { timeLeft: -1 }, 'BAD_OPTION', /^timeLeft is a whole number of milliseconds, 0 or/],
  ['9,9', 'fast', 'BAD_OPTION', /^the options are an object/],
  ['9,9', { rule: 'gomoku' }, 'BAD_OPTION', /^unknown rule "gomoku": the rules are freestyle, ex/],
  ['9,9', { size: 21 }, 'BAD_OPTION', /^size is a whole number of cells from 5 to 20, not 21/],
  ['9,9', { size: { width: 15 } }, 'BAD_OPTION', /^size\.height is a whole number .*undefined$/],
  ['9,9', { seed: -3 }, 'BAD_OPTION', /^seed is a whole number from 0 to 4294967295, not -3/],
  ['9,9', { toMove: 'black' }, 'BAD_OPTION', /^toMove goes with stones 'black' and 'white'/],
  ['9,9', { signal: 'stop' }, 'BAD_OPTION', /^signal is an AbortSignal, not "stop"/],
  ['9,9', { engine: 'deep' }, 'BAD_OPTION', /^unknown engine "deep": the engines are classic and/],
  ['9,9', { engine: 'strong', level: 8 }, 'BAD_OPTION', /^a level is a depth of the classic/],
  ['9,9', { seconds: 3 }, 'BAD_OPTION', /^seconds is the strong search's thinking time: give en/],
  ['9,9', { engine: 'strong', seconds: 0.05 }, 'BAD_OPTION', /^seconds is a number from 0\.1 to/],
  ['9,9', { engine: 'strong', seconds: 2, turnTime: 9 }, 'BAD_OPTION', /^give seconds or times/],
  ['9,9', { engine: 'strong', turnTime: 0 }, 'BAD_OPTION', /^the strong search needs a turnTime/],
  // The tests' brain has a stopped clock, on which the strong search's time would never pass.
  ['9,9', { engine: 'strong' }, 'BAD_OPTION', /^the strong search thinks until its time is up/],
];

test('bad input throws an OrvaneError with a code that says what is wrong, and the brain plays on', async () => {
  const brain = await createBrain({ frozenClock });
  const good = () => brain.move('9,9 10,10 9,10', { level: 6 });
  const before = good();
  for (const [position, options, code, message] of badInputs) {
    assert.throws(
      () => brain.move(position, options),
      (error) => error instanceof OrvaneError && error.code === `ORVANE_${code}`,
      `${message}: the code`,
    );
    assert.throws(() => brain.move(position, options), { message });
    assert.deepEqual(good(), before, `after ${message}`);
  }
  assert.throws(() => brain.command(42), { code: 'ORVANE_BAD_OPTION', message: /^a command is/ });
  assert.throws(() => brain.command('ABOUT\0'), { message: /NUL/ });
});

test("command() has a session of its own, which the moves' boards leave alone", async () => {
  const brain = await createBrain({ frozenClock });
  const fresh = await createBrain({ frozenClock });
  const good = () => brain.move('9,9 10,10 9,10', { level: 6 });
  const before = good();
  for (const command of ['INFO rule 4', 'BOARD\n3,3,1\nEND', 'TURN 0,0', 'INFO time_left 0']) {
    brain.command(command);
    assert.deepEqual(good(), before, `after ${JSON.stringify(command)}`);
  }
  assert.deepEqual(brain.command('ABOUT'), [
    'name="Orvane", version="1.6", author="Orvane developers"',
  ]);
  brain.command('END');
  for (const session of [brain, fresh]) session.command('START 20');
  good();
  assert.deepEqual(brain.command('TURN 10,10'), fresh.command('TURN 10,10'));
});

test('command() refuses a BOARD block without DONE, which would swallow the commands after it', async () => {
  const brain = await createBrain({ frozenClock });
  for (const block of ['BOARD\n1,1,1', 'forbidden\n1,1,1\n2,2,2']) {
    assert.throws(() => brain.command(block), {
      code: 'ORVANE_BAD_OPTION',
      message: /^the (BOARD|FORBIDDEN) block has no DONE/,
    });
    assert.deepEqual(brain.command('ABOUT'), [
      'name="Orvane", version="1.6", author="Orvane developers"',
    ]);
  }
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
  // The brain's clock stands still: the move took no time on it.
  return {
    answer: { x, y, depth: +depth, nodes: +nodes, verdict, seconds: 0, depthSeconds: +seconds },
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
