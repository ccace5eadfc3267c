// Orvane's moves under every rule and on every board size, and black's forbidden cells in renju,
// from the brain's package. The package's move() plays freestyle on 20 × 20, which it still does
// here; until its move() takes a size and a rule and it offers forbidden(), the other games go
// through its command(), in the brain's own protocol: START with the size, INFO rule, the level's
// times, then the position as a BOARD block (BEGIN on an empty board), or as a FORBIDDEN block.
import { DefaultRule, DefaultSize, Rules } from './rules.js';

// The times at which the brain's budget searches a level's depth, as the package gives them: a
// turn long enough to end on the depth, and for levels under 10 a match time whose share for each
// of the brain's remaining moves is at most 250, 280 or 350 ms.
const TurnMilliseconds = 30000;
const LevelMoveShares = { 2: 250, 6: 280, 8: 350 };
const NoLimit = 2147483647;

const SearchMessage = /^MESSAGE depth (\d+), (\d+) nodes, root verdict (.+), (\d+\.\d\d) s$/;

// The package's worker brain `worker`, with move(position, { level, size, rule }) and
// forbidden(position, { size, rule }); a position is a list of stones { x, y, stone: 'own' |
// 'opponent' }, the side to move's own.
export function withRulesAndSizes(worker) {
  return {
    async move(position, { level, size, rule }) {
      if (size === DefaultSize && rule === DefaultRule) return worker.move(position, { level });
      const lines = [...startLines(size, rule), ...timeLines(level, size, position.length)];
      if (position.length === 0) lines.push('BEGIN');
      else lines.push('BOARD', ...boardLines(position), 'DONE');
      return answerOf(await worker.command(lines.join('\n')));
    },
    async forbidden(position, { size, rule }) {
      if (rule !== 'renju') return [];
      const lines = [...startLines(size, rule), 'FORBIDDEN', ...boardLines(position), 'DONE'];
      const reply = checked(await worker.command(lines.join('\n'))).at(-1);
      return reply
        .split(' ')
        .slice(1)
        .map((field) => {
          const [x, y, reason] = field.split(',');
          return { x: Number(x), y: Number(y), reason };
        });
    },
    terminate: () => worker.terminate(),
  };
}

function startLines(size, rule) {
  return [`START ${size}`, `INFO rule ${Rules[rule].number}`];
}

function timeLines(level, size, stones) {
  const share = LevelMoveShares[level];
  const match = share ? share * Math.floor((size * size + 1 - stones) / 2) : 0;
  return [
    `INFO timeout_turn ${TurnMilliseconds}`,
    `INFO timeout_match ${match}`,
    `INFO time_left ${share ? match : NoLimit}`,
  ];
}

function boardLines(position) {
  return position.map(({ x, y, stone }) => `${x},${y},${stone === 'own' ? 1 : 2}`);
}

// The reply lines, or an Error with the brain's reason when it refused a line.
function checked(lines) {
  const error = lines.find((line) => line.startsWith('ERROR'));
  if (error !== undefined) throw new Error(`the brain refused the request: ${error.slice(6)}`);
  return lines;
}

// The brain's answer to a move, as the package's move() gives it: { x, y, depth, nodes, verdict,
// seconds, line, candidates }.
function answerOf(reply) {
  const lines = checked(reply);
  const [x, y] = lines.at(-1).split(',').map(Number);
  const answer = { x, y, depth: 0, nodes: 0, verdict: 'undecided', seconds: 0 };
  answer.line = [{ x, y }];
  answer.candidates = [];
  const cells = (text) => text.trim().split(' ').filter(Boolean);
  for (const line of lines) {
    const search = SearchMessage.exec(line);
    if (search) {
      Object.assign(answer, {
        depth: Number(search[1]),
        nodes: Number(search[2]),
        verdict: search[3],
        seconds: Number(search[4]),
      });
    } else if (line.startsWith('MESSAGE line ')) {
      answer.line = cells(line.slice(13)).map((cell) => {
        const [cx, cy] = cell.split(',').map(Number);
        return { x: cx, y: cy };
      });
    } else if (line.startsWith('MESSAGE candidates ')) {
      answer.candidates = cells(line.slice(19)).map((field) => {
        const [cx, cy, total] = field.split(/[,:]/).map(Number);
        return { x: cx, y: cy, total };
      });
    }
  }
  if (!Number.isInteger(x) || !Number.isInteger(y))
    throw new Error(`the brain answered no move: ${JSON.stringify(reply)}`);
  return answer;
}
