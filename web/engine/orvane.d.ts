// The orvane package: Orvane, a Go-moku brain (five in a row on boards from 5 × 5 to 20 × 20),
// for programs in Node and pages in the browser.

/** A stone on the board: x the column, y the row, both from 0 at the top left. */
export interface Stone {
  x: number;
  y: number;
  /**
   * 'own' stones are those of the side to move, whose move the brain finds; or the stones'
   * colours, black having moved first (see the option toMove).
   */
  stone: 'own' | 'opponent' | 'black' | 'white';
}

/**
 * A position: the stones on the board, or the moves in the order played, "x,y x,y ...", black
 * first (the brain plays the side to move after the last one).
 */
export type Position = readonly Stone[] | string;

/** The rules: what wins, and in renju black's forbidden moves. */
export type Rule = 'freestyle' | 'exact-five' | 'renju' | 'caro' | 'caro-exact-five';

/** A square board's side, or a board's width and height: 5 to 20 cells. */
export type Size = number | { width: number; height: number };

/** The game a position belongs to. With none given: freestyle on 20 × 20. */
export interface GameOptions {
  size?: Size;
  rule?: Rule;
  /**
   * The colour to move, for stones given as 'black' and 'white'; when left out, black if the
   * colours have as many stones each, white if black has one more.
   */
  toMove?: 'black' | 'white';
}

/** The classic search's depth in plies. */
export type Level = 2 | 6 | 8 | 10;

/** A report of the search while it runs: one for each depth it finishes. */
export interface SearchReport {
  depth: number;
  nodes: number;
  /** For the side the brain plays. */
  verdict: Verdict;
  /**
   * The strong search's evaluation when it proved nothing (its verdict then 'undecided'): what
   * the position is worth to the side the brain plays, in the worths of its shapes (hundreds).
   */
  evaluation?: number;
  /**
   * After a 'won' or 'lost' verdict of the strong search: the winner's moves up to and including
   * its five, the move now (or, when lost, the other side's next move) counting 1.
   */
  movesToFive?: number;
  /** The search's own time for this depth, in seconds, as its MESSAGE line gives it. */
  seconds: number;
  /** The line behind the best move so far, the move first, sides alternating. */
  line: Cell[];
}

/** An AbortSignal, as the package uses it (no DOM or Node types needed). */
export interface AbortSignalLike {
  readonly aborted: boolean;
  readonly reason?: unknown;
  addEventListener(type: 'abort', listener: () => void, options?: { once?: boolean }): void;
  removeEventListener(type: 'abort', listener: () => void): void;
}

interface MoveExtras extends GameOptions {
  /** Makes the brain's random choice among equally good cells repeat: 0 to 4294967295. */
  seed?: number;
  /** Aborts the move: it then rejects (or throws) an AbortError. */
  signal?: AbortSignalLike;
  /**
   * Hears each depth the search finishes. If it throws, the search stops and the move fails with
   * a ListenerFailedError whose cause is the listener's error.
   */
  onProgress?: (report: SearchReport) => void;
}

/** The times a manager would give, in milliseconds. */
interface ManagerTimes {
  /** The time for this turn (30000 when left out). */
  turnTime?: number;
  /** The time for the whole match, 0 for no limit (the default). */
  matchTime?: number;
  /** The match time left (matchTime when left out). */
  timeLeft?: number;
}

type NoTimes = { turnTime?: undefined; matchTime?: undefined; timeLeft?: undefined };

/**
 * Which search, and how long or how deep it may think: the classic threat search (the default) at
 * a level, or the strong search (an alpha-beta search with a transposition table that proves wins
 * by threats, deepened for as long as its time allows) for `seconds`; or either with the times a
 * manager would give. With none of them, the classic search at level 10.
 */
export type MoveOptions = MoveExtras &
  (
    | ({ engine?: 'classic'; seconds?: undefined } & (
        ({ level?: Level } & NoTimes) | ({ level?: undefined } & ManagerTimes)
      ))
    | ({ engine: 'strong'; level?: undefined } & (
        | ({
            /**
             * The thinking time for this move, 0.1 to 3600 (1 when left out): the search ends
             * within it, sooner on a forced or proven move. A brain's first strong move also
             * makes the search's tables, which takes a tenth of a second or so more.
             */
            seconds?: number;
          } & NoTimes)
        | ({ seconds?: undefined } & ManagerTimes)
      ))
  );

export interface Cell {
  x: number;
  y: number;
}

/** A cell the brain weighed, with its total score. */
export interface Candidate extends Cell {
  total: number;
}

/** The verdict of the search, for the side the brain plays. */
export type Verdict = 'won' | 'likely won' | 'undecided' | 'likely lost' | 'lost';

/** The brain's move, with the analysis behind it (the figures of the last depth searched). */
export interface Answer extends SearchReport, Cell {
  /** Plies searched: 0 for an opening move drawn without a search. */
  depth: number;
  /**
   * The time the move took, in seconds (to the hundredth), as the brain's clock sees it (0 with
   * frozenClock, whose clock stands still).
   */
  seconds: number;
  /** The search's own time for its last finished depth, in seconds (0 without a search). */
  depthSeconds: number;
  /** The cells the classic search weighed, in rank order; none from the strong search. */
  candidates: Candidate[];
}

/** How a game stands. */
export type Outcome =
  | {
      state: 'won';
      winner: 'black' | 'white';
      /** The winner as a side of the position: 'opponent' when the last move made the five. */
      side: 'own' | 'opponent';
      /** The winning row's cells. */
      five: Cell[];
    }
  | { state: 'full' }
  | { state: 'playing' };

/** A cell black may not play in renju, and why. */
export interface ForbiddenCell extends Cell {
  reason: 'overline' | 'double-four' | 'double-three';
}

/** A URL (no DOM or Node types needed). */
export interface UrlLike {
  readonly href: string;
}

export interface BrainOptions {
  /** Stops the brain's clock at this instant (milliseconds since 1970-01-01 UTC, or a Date). */
  frozenClock?: number | Date;
  /** The module itself: the bytes of orvane/engine.wasm, or its compiled WebAssembly.Module. */
  wasm?: ArrayBuffer | ArrayBufferView | object;
  /** Where orvane/engine.wasm is (in Node, a path or a file: URL): beside the package's modules by default. */
  wasmUrl?: string | UrlLike;
}

export interface WorkerOptions extends BrainOptions {
  /** Where the worker's script orvane/worker.js is (in Node, a path or a file: URL). */
  workerUrl?: string | UrlLike;
}

/** The brain in the current thread. Bad input throws an OrvaneError that says what is wrong. */
export interface Brain {
  move(position: Position, options?: MoveOptions): Answer;
  /**
   * One command of the stdin/stdout protocol (or a BOARD block, lines joined by '\n'), in a
   * session of its own: it never sees the boards of move().
   */
  command(line: string): string[];
  /** Black's forbidden cells in renju; none under the other rules. */
  forbidden(position: Position, options?: GameOptions): ForbiddenCell[];
  /** Whether the side to move may play `cell`: on the board, empty, the game not over, and not forbidden to black in renju. */
  isLegal(position: Position, cell: Cell, options?: GameOptions): boolean;
  /** Nothing to end in the current thread. */
  terminate(): void;
}

/**
 * The brain in a worker: the same methods, returning promises. forbidden and isLegal need no
 * search: they are answered in the calling thread at once, while the worker thinks.
 */
export interface BrainWorker {
  move(position: Position, options?: MoveOptions): Promise<Answer>;
  command(line: string): Promise<string[]>;
  forbidden(position: Position, options?: GameOptions): Promise<ForbiddenCell[]>;
  isLegal(position: Position, cell: Cell, options?: GameOptions): Promise<boolean>;
  /** Ends the worker; later calls are rejected. */
  terminate(): void;
}

/** The brain in the current thread, in Node (18 or later) or in a browser. */
export function createBrain(options?: BrainOptions): Promise<Brain>;

/** The brain in a worker: a Web Worker in a browser, a worker thread in Node. */
export function createBrainWorker(options?: WorkerOptions): Promise<BrainWorker>;

/**
 * How the game stands in `position`, without a brain. In renju, black's moves of a string of
 * moves are judged by the brain's rules: in a browser's thread, load them first (any brain made
 * there, or a call of isLegal or forbidden), else a RulesNotLoadedError is thrown.
 */
export function outcome(position: Position, options?: GameOptions): Outcome;

/**
 * Whether the side to move may play `cell`, without a brain: on the board, empty, the game not
 * over, and not forbidden to black in renju. Resolves once the brain's rules are loaded in this
 * thread (at the first call, unless a brain made here has loaded them).
 */
export function isLegal(position: Position, cell: Cell, options?: GameOptions): Promise<boolean>;

/** Black's forbidden cells in renju (none under the other rules), without a brain. */
export function forbidden(position: Position, options?: GameOptions): Promise<ForbiddenCell[]>;

export type ErrorCode =
  | 'ORVANE_ERROR'
  | 'ORVANE_BAD_POSITION'
  | 'ORVANE_MOVE_AFTER_FIVE'
  | 'ORVANE_TWO_FIVES'
  | 'ORVANE_FORBIDDEN_MOVE'
  | 'ORVANE_BAD_OPTION'
  | 'ORVANE_GAME_OVER'
  | 'ORVANE_ABORTED'
  | 'ORVANE_WORKER_FAILED'
  | 'ORVANE_ENGINE_REFUSED'
  | 'ORVANE_LOAD_FAILED'
  | 'ORVANE_LISTENER_FAILED'
  | 'ORVANE_RULES_NOT_LOADED';

/** Every error the package throws or rejects with. */
export class OrvaneError extends Error {
  code: ErrorCode;
}
/** ORVANE_BAD_POSITION: a stone off the board, two on one cell, a malformed move, ... */
export class BadPositionError extends OrvaneError {}
/** ORVANE_MOVE_AFTER_FIVE: moves follow a five in a string of moves. */
export class MoveAfterFiveError extends BadPositionError {
  /** The number of the first move after the five, from 1. */
  move: number;
  /** The five's cells. */
  five: Cell[];
}
/** ORVANE_TWO_FIVES: both sides have a five. */
export class TwoFivesError extends BadPositionError {
  fives: { black: Cell[]; white: Cell[] };
}
/** ORVANE_FORBIDDEN_MOVE: in renju, black played a forbidden move in a string of moves. */
export class ForbiddenMoveError extends BadPositionError {
  /** The forbidden move's number, from 1. */
  move: number;
  cell: Cell;
  reason: ForbiddenCell['reason'];
}
/** ORVANE_BAD_OPTION: an unknown or wrong option, cell or command. */
export class BadOptionError extends OrvaneError {}
/** ORVANE_GAME_OVER: a move asked in a won position or on a full board. */
export class GameOverError extends OrvaneError {
  outcome: Outcome;
}
/** ORVANE_ABORTED: the move's signal aborted it. */
export class AbortError extends OrvaneError {}
/** ORVANE_WORKER_FAILED: the worker failed or was terminated. */
export class WorkerFailedError extends OrvaneError {}
/** ORVANE_ENGINE_REFUSED: the brain answered ERROR (a rule or size it does not play, say). */
export class EngineRefusedError extends OrvaneError {}
/** ORVANE_LOAD_FAILED: engine.wasm could not be fetched, read or compiled. */
export class LoadFailedError extends OrvaneError {}
/** ORVANE_LISTENER_FAILED: a move's progress listener threw, which stopped the search. */
export class ListenerFailedError extends OrvaneError {
  /** The listener's error. */
  cause: unknown;
}
/** ORVANE_RULES_NOT_LOADED: outcome() needed the brain's rules before a browser's thread had them. */
export class RulesNotLoadedError extends OrvaneError {}
