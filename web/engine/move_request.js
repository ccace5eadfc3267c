// A move request in the brain's protocol, made from a position and the options: the game (size,
// rule, toMove), the search (the classic one at a level, or the strong one for a thinking time)
// or the manager's times, the seed, and the caller's signal and progress listener. Every input is
// checked here, so that the brain is never sent anything it would refuse.
import { describe } from './describe.js';
import { BadOptionError } from './errors.js';
import { GameOptions, checkInPlay, checkOptionKeys, readGame } from './game_position.js';

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
const Engines = ['classic', 'strong'];
// The strong search's thinking time for a move when none is given, and the bounds of one, in
// seconds. The brain keeps back a fifth of it (30 to 500 ms) to answer within it.
const DefaultSeconds = 1;
const FewestSeconds = 0.1;
const MostSeconds = 3600;
// The protocol's match time left that means no limit.
const NoLimit = 2147483647;
const TimeOptions = ['turnTime', 'matchTime', 'timeLeft'];
const MoveOptions = [
  'engine',
  'level',
  'seconds',
  ...TimeOptions,
  ...GameOptions,
  'seed',
  'signal',
  'onProgress',
];
const LargestSeed = 4294967295;

// { game, lines, signal, onProgress } for the brain's move in `position` (an array of stones, or
// a string of moves) with `options`. The lines choose the search (with `strongMemory`, the bytes
// the strong search's tables may take), give the rule, the seed and the times, then the whole
// position (BEGIN on the empty board). Without a seed, each move draws a fresh one, unless the
// brain's clock is stopped (`frozenClock`): then the clock seeds its draws.
// Throws a BadPositionError, BadOptionError or GameOverError that says what is wrong.
export function moveRequest(position, options = {}, { frozenClock = false, strongMemory }) {
  checkOptionKeys(options, MoveOptions, '{ level: 8 }');
  const engine = engineOf(options.engine);
  const game = readGame(position, options);
  checkInPlay(game);
  const { turnTime, matchTime, timeLeft } =
    engine === 'strong' ? strongTimes(options) : classicTimes(options, game);
  if (engine === 'strong' && frozenClock) {
    throw new BadOptionError(
      'the strong search thinks until its time is up, which a brain made with frozenClock never ' +
        'sees: use a brain without frozenClock for it',
    );
  }
  const lines = [
    `INFO engine ${engine}`,
    ...(engine === 'strong' ? [`INFO max_memory ${strongMemory}`] : []),
    `INFO rule ${game.rule.number}`,
    `INFO seed ${seedFor(options.seed, frozenClock)}`,
    `INFO timeout_turn ${turnTime}`,
    `INFO timeout_match ${matchTime}`,
    `INFO time_left ${timeLeft}`,
  ];
  const request = { game, signal: signalOf(options.signal), onProgress: listenerOf(options) };
  // BEGIN asks for a move on the session's board, which RESTART clears (and the times with it).
  if (game.stones.length === 0) return { ...request, lines: ['RESTART', ...lines, 'BEGIN'] };
  const stoneLines = game.stones.map(({ x, y, own }) => `${x},${y},${own ? 1 : 2}`);
  return { ...request, lines: [...lines, 'BOARD', ...stoneLines, 'DONE'] };
}

function engineOf(engine = 'classic') {
  if (!Engines.includes(engine)) {
    throw new BadOptionError(
      `unknown engine ${describe(engine)}: the engines are classic and strong`,
    );
  }
  return engine;
}

// The seed the brain's random choice among equal cells starts from for this move: the caller's,
// a fresh one, or -1 for the brain's clock.
function seedFor(seed, clockSeeded) {
  if (seed === undefined) return clockSeeded ? -1 : Math.floor(Math.random() * (LargestSeed + 1));
  if (!Number.isInteger(seed) || seed < 0 || seed > LargestSeed) {
    throw new BadOptionError(
      `seed is a whole number from 0 to ${LargestSeed}, not ${describe(seed)}`,
    );
  }
  return seed;
}

export function signalOf(signal) {
  if (signal === undefined) return undefined;
  if (signal === null || typeof signal !== 'object' || typeof signal.aborted !== 'boolean') {
    throw new BadOptionError(`signal is an AbortSignal, not ${describe(signal)}`);
  }
  return signal;
}

export function listenerOf({ onProgress }) {
  if (onProgress !== undefined && typeof onProgress !== 'function') {
    throw new BadOptionError(`onProgress is a function, not ${describe(onProgress)}`);
  }
  return onProgress;
}

// The INFO values of a classic move: from the level, from the manager's times, or else level 10.
function classicTimes(options, game) {
  if (options.seconds !== undefined) {
    throw new BadOptionError(
      "seconds is the strong search's thinking time: give engine: 'strong' with it, or the " +
        'classic search a level',
    );
  }
  const times = givenTimes(options);
  if (options.level !== undefined && times.length > 0) {
    throw new BadOptionError(`give a level or times (${times.join(', ')}), not both`);
  }
  if (times.length === 0) return levelTimes(options.level === undefined ? 10 : options.level, game);
  return managerTimes(options, times);
}

// The INFO values of a strong move: a turn of `seconds` and no match limit, or the manager's
// times.
function strongTimes(options) {
  if (options.level !== undefined) {
    throw new BadOptionError(
      'a level is a depth of the classic search: the strong search takes seconds or times',
    );
  }
  const times = givenTimes(options);
  if (options.seconds !== undefined && times.length > 0) {
    throw new BadOptionError(`give seconds or times (${times.join(', ')}), not both`);
  }
  if (times.length > 0) {
    const managed = managerTimes(options, times);
    // A turn of 0 with no match limit asks the brain for its fastest answer: no thinking time.
    if (managed.turnTime === 0 && managed.timeLeft >= NoLimit) {
      throw new BadOptionError('the strong search needs a turnTime above 0, or a match time');
    }
    return managed;
  }
  const { seconds = DefaultSeconds } = options;
  if (typeof seconds !== 'number' || !(seconds >= FewestSeconds && seconds <= MostSeconds)) {
    throw new BadOptionError(
      `seconds is a number from ${FewestSeconds} to ${MostSeconds}, not ${describe(seconds)}`,
    );
  }
  return { turnTime: Math.round(seconds * 1000), matchTime: 0, timeLeft: NoLimit };
}

function givenTimes(options) {
  return TimeOptions.filter((key) => options[key] !== undefined);
}

// The INFO values of the manager's times `times` (the names of those given).
function managerTimes(options, times) {
  for (const key of times) {
    if (!Number.isSafeInteger(options[key]) || options[key] < 0) {
      throw new BadOptionError(
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
function levelTimes(level, { board, stones }) {
  if (!LevelMoveShares.has(level)) {
    throw new BadOptionError(`unknown level ${describe(level)}: the levels are 2, 6, 8 and 10`);
  }
  const share = LevelMoveShares.get(level);
  if (share === null) return { turnTime: DefaultTurnTime, matchTime: 0, timeLeft: NoLimit };
  const matchTime = share * Math.floor((board.width * board.height + 1 - stones.length) / 2);
  return { turnTime: DefaultTurnTime, matchTime, timeLeft: matchTime };
}
