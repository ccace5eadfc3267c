// A move request in the brain's protocol, made from a position and the level or the times. Every
// input is checked here, so that the brain is never sent anything it would refuse.

const BoardSide = 20;
// The brain's own time for a turn before a manager gives one. At a level it is the time for the
// turn too: long enough that a search ends at its depth, not on the clock.
const DefaultTurnTime = 30000;
// The match time left per remaining move that the brain's budget turns into each level's depth:
// a share of at most 250 ms searches 2 plies, at most 280 ms 6, at most 350 ms 8, and a match
// without a limit 10.
const LevelMoveShares = new Map([
  [2, 250],
  [6, 280],
  [8, 350],
  [10, null],
]);
// The protocol's match time left that means no limit.
const NoLimit = 2147483647;
const TimeOptions = ['turnTime', 'matchTime', 'timeLeft'];

// The protocol lines that ask for the brain's move in `position` (an array of stones, or a string
// of moves) with `options` (a level, or a manager's times): the times, then the whole position
// (BEGIN on the empty board).
// Throws an Error that says what is wrong with bad input.
export function moveRequestLines(position, options) {
  const stones = stonesOf(position);
  if (stones.length === BoardSide * BoardSide) {
    throw new Error('the board is full: no empty cell is left to play');
  }
  const { turnTime, matchTime, timeLeft } = timesFor(options, stones.length);
  const lines = [
    `INFO timeout_turn ${turnTime}`,
    `INFO timeout_match ${matchTime}`,
    `INFO time_left ${timeLeft}`,
  ];
  // BEGIN asks for a move on the session's board, which RESTART clears (and the times with it).
  if (stones.length === 0) return ['RESTART', ...lines, 'BEGIN'];
  const stoneLines = stones.map(({ x, y, own }) => `${x},${y},${own ? 1 : 2}`);
  return [...lines, 'BOARD', ...stoneLines, 'DONE'];
}

// The stones of a position as { x, y, own }, checked to stand on the board, one to a cell.
function stonesOf(position) {
  if (typeof position === 'string') return movesOf(position);
  if (!Array.isArray(position)) {
    throw new Error(
      `the position is an array of stones or a string of moves, not ${describe(position)}`,
    );
  }
  const cells = new CellRegister((index) => `position[${index}]`);
  return Array.from(position, (stone, index) => {
    if (stone === null || typeof stone !== 'object' || !['own', 'opponent'].includes(stone.stone)) {
      throw new Error(
        `position[${index}] is not a stone: expected { x, y, stone: 'own' | 'opponent' }, ` +
          `not ${describe(stone)}`,
      );
    }
    cells.place(stone.x, stone.y, index);
    return { x: stone.x, y: stone.y, own: stone.stone === 'own' };
  });
}

// The stones of a string of moves "x,y x,y ...", played alternately; the brain plays the side
// to move after the last one.
function movesOf(text) {
  const moves = text.trim() === '' ? [] : text.trim().split(/\s+/);
  const cells = new CellRegister((index) => `move ${index + 1}`);
  return moves.map((move, index) => {
    const cell = /^(-?\d+),(-?\d+)$/.exec(move);
    if (!cell) {
      throw new Error(
        `malformed move ${describe(move)} (move ${index + 1}): ` +
          'moves are written x,y and separated by spaces',
      );
    }
    const [x, y] = [Number(cell[1]), Number(cell[2])];
    cells.place(x, y, index);
    return { x, y, own: (moves.length - index) % 2 === 0 };
  });
}

// The cells taken so far, to find stones off the board and two stones on one cell; `name` says
// which stone of the input an index is.
class CellRegister {
  #taken = new Map();
  #name;

  constructor(name) {
    this.#name = name;
  }

  place(x, y, index) {
    if (!Number.isInteger(x) || !Number.isInteger(y)) {
      throw new Error(
        `${this.#name(index)} has x ${describe(x)} and y ${describe(y)}: ` +
          'x and y are whole numbers from 0 to 19',
      );
    }
    if (x < 0 || x >= BoardSide || y < 0 || y >= BoardSide) {
      throw new Error(
        `${this.#name(index)} at ${x},${y} is off the board: x and y run from 0 to 19`,
      );
    }
    const cell = x + BoardSide * y;
    if (this.#taken.has(cell)) {
      const first = this.#name(this.#taken.get(cell));
      throw new Error(`two stones on ${x},${y}: ${first} and ${this.#name(index)}`);
    }
    this.#taken.set(cell, index);
  }
}

// The INFO values of a move: from the level, from the manager's times, or else level 10.
function timesFor(options = {}, stoneCount) {
  if (options === null || typeof options !== 'object' || Array.isArray(options)) {
    throw new Error(`the options are an object such as { level: 8 }, not ${describe(options)}`);
  }
  for (const key of Object.keys(options)) {
    if (key !== 'level' && !TimeOptions.includes(key)) {
      throw new Error(
        `unknown option ${describe(key)}: the options are level, turnTime, matchTime and timeLeft`,
      );
    }
  }
  const times = TimeOptions.filter((key) => options[key] !== undefined);
  if (options.level !== undefined && times.length > 0) {
    throw new Error(`give a level or times (${times.join(', ')}), not both`);
  }
  if (times.length === 0)
    return levelTimes(options.level === undefined ? 10 : options.level, stoneCount);

  for (const key of times) {
    if (!Number.isSafeInteger(options[key]) || options[key] < 0) {
      throw new Error(
        `${key} is a whole number of milliseconds, 0 or more, not ${describe(options[key])}`,
      );
    }
  }
  const { turnTime = DefaultTurnTime, matchTime = 0 } = options;
  // As the brain counts it: the match time until a time left is given, 0 for no limit.
  const timeLeft = options.timeLeft ?? (matchTime === 0 ? NoLimit : matchTime);
  return { turnTime, matchTime, timeLeft };
}

// The times at which the brain's budget searches `level` plies deep: the match time left is the
// level's share for each of the moves the brain still has to make, half the empty cells.
function levelTimes(level, stoneCount) {
  if (!LevelMoveShares.has(level)) {
    throw new Error(`unknown level ${describe(level)}: the levels are 2, 6, 8 and 10`);
  }
  const share = LevelMoveShares.get(level);
  if (share === null) return { turnTime: DefaultTurnTime, matchTime: 0, timeLeft: NoLimit };
  const matchTime = share * Math.floor((BoardSide * BoardSide + 1 - stoneCount) / 2);
  return { turnTime: DefaultTurnTime, matchTime, timeLeft: matchTime };
}

// A short description of a value for an error message.
function describe(value) {
  if (typeof value === 'string') {
    return JSON.stringify(value.length > 40 ? `${value.slice(0, 40)}…` : value);
  }
  if (Array.isArray(value)) return 'an array';
  if (value === null) return 'null';
  if (typeof value === 'object') return 'an object';
  if (typeof value === 'function') return 'a function';
  return String(value);
}
