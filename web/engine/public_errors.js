// The error classes a program may test with instanceof.
export {
  AbortError,
  BadOptionError,
  BadPositionError,
  EngineRefusedError,
  GameOverError,
  LoadFailedError,
  OrvaneError,
  WorkerFailedError,
} from './errors.js';
