// The orvane package: Orvane, a Go-moku brain (five in a row on a 20 × 20 board, freestyle), for
// programs in Node and pages in the browser.

/** A stone on the board: x the column, y the row, both 0 to 19 from the top left. */
export interface Stone {
  x: number;
  y: number;
  /** 'own' stones are the brain's: its move is the next own stone. */
  stone: 'own' | 'opponent';
}

/**
 * A position: the stones on the board, or the moves in the order played, "x,y x,y ...", the first
 * by either side (the brain plays the side to move after the last one).
 */
export type Position = readonly Stone[] | string;

/** The search depth in plies. */
export type Level = 2 | 6 | 8 | 10;

/**
 * How long and how deep the brain may think: a level, or the times a manager would give, in
 * milliseconds. With neither, level 10.
 */
export type MoveOptions =
  | { level?: Level; turnTime?: undefined; matchTime?: undefined; timeLeft?: undefined }
  | {
      level?: undefined;
      /** The time for this turn (30000 when left out). */
      turnTime?: number;
      /** The time for the whole match, 0 for no limit (the default). */
      matchTime?: number;
      /** The match time left (matchTime when left out). */
      timeLeft?: number;
    };

export interface Cell {
  x: number;
  y: number;
}

/** A cell the brain weighed, with its total score. */
export interface Candidate extends Cell {
  total: number;
}

/** The root verdict of the search, for the side the brain plays. */
export type Verdict = 'won' | 'likely won' | 'undecided' | 'likely lost' | 'lost';

/** The brain's move, with the analysis behind it. */
export interface Answer extends Cell {
  /** Plies searched: 0 for an opening move drawn without a search. */
  depth: number;
  nodes: number;
  verdict: Verdict;
  seconds: number;
  /** The threat line behind the move, the move first, sides alternating. */
  line: Cell[];
  /** The cells weighed, in rank order. */
  candidates: Candidate[];
}

export interface BrainOptions {
  /** Stops the brain's clock at this instant (milliseconds since 1970-01-01 UTC, or a Date). */
  frozenClock?: number | Date;
}

/** The brain in the current thread. Bad input throws an Error that says what is wrong. */
export interface Brain {
  move(position: Position, options?: MoveOptions): Answer;
  /** One command of the stdin/stdout protocol (or a BOARD block, lines joined by '\n'). */
  command(line: string): string[];
  /** Nothing to end in the current thread. */
  terminate(): void;
}

/** The brain in a Web Worker: the same methods, returning promises. */
export interface BrainWorker {
  move(position: Position, options?: MoveOptions): Promise<Answer>;
  command(line: string): Promise<string[]>;
  /** Ends the worker; later calls are rejected. */
  terminate(): void;
}

/** The brain in the current thread, in Node (18 or later) or in a browser. */
export function createBrain(options?: BrainOptions): Promise<Brain>;

/** The brain in a Web Worker (browsers). */
export function createBrainWorker(options?: BrainOptions): Promise<BrainWorker>;
