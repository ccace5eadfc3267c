// The error classes a program may test with instanceof.
export {
  AbortError,
  BadOptionError,
  BadPositionError,
  EngineRefusedError,
  ForbiddenMoveError,
  GameOverError,
  ListenerFailedError,
  LoadFailedError,
  MoveAfterFiveError,
  OrvaneError,
  RulesNotLoadedError,
  TwoFivesError,
  WorkerFailedError,
} from './errors.js';
