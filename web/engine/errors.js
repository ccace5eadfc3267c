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
// malformed move, stones of both kinds, the wrong side to move.
export class BadPositionError extends OrvaneError {
  constructor(message) {
    super(message, 'ORVANE_BAD_POSITION');
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

// Names that survive minification, for messages and stack traces.
const Classes = {
  ORVANE_BAD_POSITION: ['BadPositionError', BadPositionError],
  ORVANE_BAD_OPTION: ['BadOptionError', BadOptionError],
  ORVANE_GAME_OVER: ['GameOverError', GameOverError],
  ORVANE_ABORTED: ['AbortError', AbortError],
  ORVANE_WORKER_FAILED: ['WorkerFailedError', WorkerFailedError],
  ORVANE_ENGINE_REFUSED: ['EngineRefusedError', EngineRefusedError],
  ORVANE_LOAD_FAILED: ['LoadFailedError', LoadFailedError],
};
OrvaneError.prototype.name = 'OrvaneError';
for (const [name, errorClass] of Object.values(Classes)) errorClass.prototype.name = name;

// What a worker posts for an error thrown in it.
export function errorTransfer(error) {
  if (error instanceof OrvaneError) {
    return { code: error.code, message: error.message, outcome: error.outcome };
  }
  return { code: 'ORVANE_ERROR', message: error instanceof Error ? error.message : String(error) };
}

// The error that a worker's transfer stands for, of the same class.
export function errorFromTransfer({ code, message, outcome }) {
  const errorClass = Classes[code]?.[1];
  if (errorClass === GameOverError) return new GameOverError(message, outcome);
  return errorClass ? new errorClass(message) : new OrvaneError(message, code);
}
