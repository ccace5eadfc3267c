// The brain in a Web Worker, with the orvane package's interface: createBrainWorker() resolves
// once the brain has loaded, and its move(position, options) asks for one move on a whole
// position. This module speaks the stdin/stdout protocol to the brain module in brain_worker.js:
// a fresh game for every question, the level's time settings, the position as a BOARD block.

const MessageLine = /^MESSAGE depth (\d+), (\d+) nodes, root verdict (.+), ([\d.]+) s$/;
const Levels = [2, 6, 8, 10];
const TurnMilliseconds = 10000;
// The match time per remaining own move (milliseconds) that the brain's budget turns into each
// depth: up to 250 gives 2 plies, up to 280 gives 6, up to 350 gives 8, more gives 10.
const MoveShareForLevel = { 2: 200, 6: 265, 8: 315, 10: null };

export async function createBrainWorker() {
  const worker = new Worker('brain_worker.js');
  const pending = new Map();
  let nextId = 0;
  worker.onmessage = ({ data: { id, replies, error } }) => {
    const request = pending.get(id);
    pending.delete(id);
    if (error === undefined) request.resolve(replies);
    else request.reject(new Error(error));
  };
  // A worker whose script fails to load or that crashes answers nothing more.
  worker.onerror = (event) => {
    event.preventDefault();
    for (const { reject } of pending.values())
      reject(new Error(event.message || 'the brain stopped'));
    pending.clear();
  };
  const send = (commands) =>
    new Promise((resolve, reject) => {
      const id = nextId++;
      pending.set(id, { resolve, reject });
      worker.postMessage({ id, commands });
    });

  await send(['ABOUT']);
  return {
    async command(text) {
      return (await send([text]))[0];
    },
    async move(position, options = {}) {
      const stones = stonesOf(position);
      const replies = await send([
        ...settingsFor(options.level ?? 10, stones.length),
        boardBlock(stones),
      ]);
      return answerOf(replies.at(-1));
    },
    terminate() {
      worker.terminate();
    },
  };
}

function stonesOf(position) {
  if (Array.isArray(position)) return position;
  if (typeof position !== 'string')
    throw new Error('a position is an array of stones or a string of moves');
  const moves = position.trim() === '' ? [] : position.trim().split(/\s+/);
  return moves.map((move, index) => {
    const [x, y] = move.split(',').map(Number);
    const ownMoves = moves.length % 2 === 0 ? 0 : 1;
    return { x, y, stone: index % 2 === ownMoves ? 'own' : 'opponent' };
  });
}

function settingsFor(level, stoneCount) {
  if (!Levels.includes(level))
    throw new Error(`unknown level ${level}: one of ${Levels.join(', ')}`);
  const share = MoveShareForLevel[level];
  const movesLeft = Math.floor((401 - stoneCount) / 2);
  const timeLeft = share === null ? 2147483647 : share * movesLeft;
  return ['START 20', `INFO timeout_turn ${TurnMilliseconds}`, `INFO time_left ${timeLeft}`];
}

function boardBlock(stones) {
  const lines = stones.map(({ x, y, stone }) => `${x},${y},${stone === 'own' ? 1 : 2}`);
  return ['BOARD', ...lines, 'DONE'].join('\n');
}

function answerOf(lines) {
  const move = lines.at(-1)?.match(/^(\d+),(\d+)$/);
  if (!move) throw new Error(lines.join(' ') || 'the brain gave no answer');
  const [x, y] = [Number(move[1]), Number(move[2])];
  const answer = {
    x,
    y,
    depth: 0,
    nodes: 0,
    verdict: 'undecided',
    seconds: 0,
    line: [{ x, y }],
    candidates: [],
  };
  for (const line of lines) {
    const figures = line.match(MessageLine);
    if (figures) {
      Object.assign(answer, {
        depth: Number(figures[1]),
        nodes: Number(figures[2]),
        verdict: figures[3],
        seconds: Number(figures[4]),
      });
    } else if (line.startsWith('MESSAGE line ')) {
      answer.line = line.slice(13).trim().split(/\s+/).map(cellOf);
    } else if (line.startsWith('MESSAGE candidates ')) {
      answer.candidates = line
        .slice(19)
        .trim()
        .split(/\s+/)
        .map((entry) => {
          const [cell, total] = entry.split(':');
          return { ...cellOf(cell), total: Number(total) };
        });
    }
  }
  return answer;
}

function cellOf(text) {
  const [x, y] = text.split(',').map(Number);
  return { x, y };
}
