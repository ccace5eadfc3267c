// The errors the package throws. Each has a `code` that a program can test, and a class for
// `instanceof`; all are OrvaneErrors. A worker's errors cross to the caller's thread as their code
// and message, and are made again there with errorFromTransfer().

export class OrvaneError extends Error {
  constructor(message, code = 'ORVANE_ERROR') {
    super(message);
    this.code = code;
  }
}

// The position is not one the brain can take: a stone off the board, two on one cell, a
// malformed move, stones of both kinds, the wrong side to move. The impossible histories below
// are BadPositionErrors too, each with a code of its own.
export class BadPositionError extends OrvaneError {
  constructor(message, code = 'ORVANE_BAD_POSITION') {
    super(message, code);
  }
}

// Moves follow a five in a string of moves: the game ended there. `move` is the number of the
// first move after it (from 1), `five` the winning row's cells.
export class MoveAfterFiveError extends BadPositionError {
  constructor(message, { move, five } = {}) {
    super(message, 'ORVANE_MOVE_AFTER_FIVE');
    Object.assign(this, { move, five });
  }
}

// Both sides have a five, which no game reaches: it ends at the first. `fives` holds each
// colour's winning row.
export class TwoFivesError extends BadPositionError {
  constructor(message, { fives } = {}) {
    super(message, 'ORVANE_TWO_FIVES');
    Object.assign(this, { fives });
  }
}

// In renju, black played a forbidden move in a string of moves, as the brain's rule judge finds:
// `move` is its number (from 1), `cell` its cell and `reason` 'overline', 'double-four' or
// 'double-three'.
export class ForbiddenMoveError extends BadPositionError {
  constructor(message, { move, cell, reason } = {}) {
    super(message, 'ORVANE_FORBIDDEN_MOVE');
    Object.assign(this, { move, cell, reason });
  }
}

// An option, a cell or a command is not what the package takes.
export class BadOptionError extends OrvaneError {
  constructor(message) {
    super(message, 'ORVANE_BAD_OPTION');
  }
}

// The position is already won or the board is full; `outcome` says how it ended.
export class GameOverError extends OrvaneError {
  constructor(message, outcome) {
    super(message, 'ORVANE_GAME_OVER');
    this.outcome = outcome;
  }
}

// The caller's AbortSignal stopped the request; its reason, if any, is the cause.
export class AbortError extends OrvaneError {
  constructor(message = 'the move was aborted', cause) {
    super(message, 'ORVANE_ABORTED');
    if (cause !== undefined) this.cause = cause;
  }
}

// The brain's worker failed to load or stopped, or was terminated: it answers no more.
export class WorkerFailedError extends OrvaneError {
  constructor(message) {
    super(message, 'ORVANE_WORKER_FAILED');
  }
}

// The brain answered ERROR, for a request that it cannot carry out (such as a rule it does not
// play yet).
export class EngineRefusedError extends OrvaneError {
  constructor(message) {
    super(message, 'ORVANE_ENGINE_REFUSED');
  }
}

// The brain's .wasm could not be fetched, read or compiled.
export class LoadFailedError extends OrvaneError {
  constructor(message) {
    super(message, 'ORVANE_LOAD_FAILED');
  }
}

// A move's progress listener threw: the move ends, its search stopped, and the listener's error
// is the cause.
export class ListenerFailedError extends OrvaneError {
  constructor(message, cause) {
    super(message, 'ORVANE_LISTENER_FAILED');
    if (cause !== undefined) this.cause = cause;
  }
}

// outcome() in a browser's thread was asked about a renju game given as a string of moves before
// the brain's module was loaded there: black's moves need the brain's rule judge.
export class RulesNotLoadedError extends OrvaneError {
  constructor(message) {
    super(message, 'ORVANE_RULES_NOT_LOADED');
  }
}

// Names that survive minification, for messages and stack traces.
const Classes = {
  ORVANE_BAD_POSITION: ['BadPositionError', BadPositionError],
  ORVANE_MOVE_AFTER_FIVE: ['MoveAfterFiveError', MoveAfterFiveError],
  ORVANE_TWO_FIVES: ['TwoFivesError', TwoFivesError],
  ORVANE_FORBIDDEN_MOVE: ['ForbiddenMoveError', ForbiddenMoveError],
  ORVANE_BAD_OPTION: ['BadOptionError', BadOptionError],
  ORVANE_GAME_OVER: ['GameOverError', GameOverError],
  ORVANE_ABORTED: ['AbortError', AbortError],
  ORVANE_WORKER_FAILED: ['WorkerFailedError', WorkerFailedError],
  ORVANE_ENGINE_REFUSED: ['EngineRefusedError', EngineRefusedError],
  ORVANE_LOAD_FAILED: ['LoadFailedError', LoadFailedError],
  ORVANE_LISTENER_FAILED: ['ListenerFailedError', ListenerFailedError],
  ORVANE_RULES_NOT_LOADED: ['RulesNotLoadedError', RulesNotLoadedError],
};
// The fields besides the message that an error's class carries, as they cross from a worker.
const Details = ['outcome', 'move', 'five', 'fives', 'cell', 'reason'];
OrvaneError.prototype.name = 'OrvaneError';
for (const [name, errorClass] of Object.values(Classes)) errorClass.prototype.name = name;

// What a worker posts for an error thrown in it.
export function errorTransfer(error) {
  if (error instanceof OrvaneError) {
    const details = Object.fromEntries(
      Details.filter((key) => error[key] !== undefined).map((key) => [key, error[key]]),
    );
    return { code: error.code, message: error.message, details };
  }
  return { code: 'ORVANE_ERROR', message: error instanceof Error ? error.message : String(error) };
}

// The error that a worker's transfer stands for, of the same class.
export function errorFromTransfer({ code, message, details = {} }) {
  const errorClass = Classes[code]?.[1];
  if (errorClass === undefined) return new OrvaneError(message, code);
  if (errorClass === GameOverError) return new GameOverError(message, details.outcome);
  return Object.assign(new errorClass(message), details);
}
