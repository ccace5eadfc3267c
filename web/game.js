// One line of play on the board: the board's size (its width and height) and the rule, the stones
// set up before the
// first move (an empty board unless a position was set up), the moves in turn from there, and
// whether a five under the rule has ended it (see rules.js). Stones are black or white; without a
// set-up position black moves first.
import { DefaultRule, DefaultSize, rowsThrough } from './rules.js';

export const Black = 'black';
export const White = 'white';
export const Colours = [Black, White];

// The empty board `size` cells wide and `height` high under `rule`, black to move. A start keeps
// its height only when the board is not square: its size is its width.
export function emptyStart(size = DefaultSize, rule = DefaultRule, height = size) {
  const board = height === size ? { size } : { size, height };
  return { ...board, rule, black: [], white: [], first: Black };
}

// The height of the board of `start` (or of a Game, or of a naming).
export function heightOf({ size, height }) {
  return height ?? size;
}

// The board of a game or start as the orvane package takes it: its side, or its width and height.
export function boardOption(board) {
  const height = heightOf(board);
  return height === board.size ? board.size : { width: board.size, height };
}

// A board in words: "15 × 15".
export function boardWords(board) {
  return `${board.size} × ${heightOf(board)}`;
}

export function isOnBoard(x, y, size, height = size) {
  return Number.isInteger(x) && Number.isInteger(y) && x >= 0 && x < size && y >= 0 && y < height;
}

export function otherColour(colour) {
  return colour === Black ? White : Black;
}

export class Game {
  // start: { size, height, rule, black: [{ x, y }], white: [{ x, y }], first: colour }, the board's
  // width (and height, when it is not square) and the rule, the stones set up before the first move
  // and the colour that moves first.
  constructor(start = emptyStart()) {
    this.start = start;
    this.size = start.size;
    this.height = heightOf(start);
    this.rule = start.rule;
    this.colours = new Array(this.size * this.height).fill(null);
    // The moves in order, each an object with at least { x, y } (a move of the game's tree, with
    // what is known about it).
    this.moves = [];
    this.winner = null;
    this.winningCells = [];
    // Why the last move's row of five or more did not win ('overline' or 'closed'), or null.
    this.noWin = null;
    for (const colour of Colours) {
      for (const { x, y } of start[colour]) this.colours[x + this.size * y] = colour;
    }
  }

  // A game of `moves` played in turn from `start`, or an Error naming the first stone that cannot
  // stand; `where(index)` says where a move came from, in its source's own words.
  static replay(
    start,
    moves,
    where = (index) => `Move ${index + 1} (${moves[index].x},${moves[index].y})`,
  ) {
    const game = Game.startingFrom(start);
    moves.forEach((move, index) => game.playChecked(move, () => where(index)));
    return game;
  }

  // The position `start`, checked: every stone on the board, one to a cell, and no five yet.
  static startingFrom(start) {
    const game = new Game({ ...start, black: [], white: [] });
    for (const colour of Colours) {
      for (const { x, y } of start[colour]) {
        if (!isOnBoard(x, y, game.size, game.height))
          throw new Error(`The ${colour} stone ${x},${y} is off the board.`);
        if (!game.isEmpty(x, y)) throw new Error(`Two stones stand on ${x},${y}.`);
        game.colours[x + game.size * y] = colour;
        if (game.#rowsThrough(x, y, colour).five.length > 0)
          throw new Error(`The position already holds a five of ${colour}'s.`);
      }
    }
    game.start = start;
    return game;
  }

  // Plays `move` after checking that it may be played; `where()` names it in an Error.
  playChecked(move, where) {
    const { x, y } = move;
    if (!isOnBoard(x, y, this.size, this.height))
      throw new Error(`${where()}: that cell is off the ${boardWords(this)} board.`);
    if (this.winner !== null)
      throw new Error(`${where()}: the game was already won by move ${this.moves.length}.`);
    if (!this.isEmpty(x, y)) throw new Error(`${where()}: that cell is already taken.`);
    this.play(move);
  }

  // The colour of the stone on (x, y): null for an empty cell, undefined off the board.
  colourAt(x, y) {
    return isOnBoard(x, y, this.size, this.height) ? this.colours[x + this.size * y] : undefined;
  }

  isEmpty(x, y) {
    return this.colourAt(x, y) === null;
  }

  get stoneCount() {
    return this.start.black.length + this.start.white.length + this.moves.length;
  }

  get isOver() {
    return this.winner !== null || this.stoneCount === this.colours.length;
  }

  get colourToMove() {
    return this.moves.length % 2 === 0 ? this.start.first : otherColour(this.start.first);
  }

  // The colour of the move at `index`.
  colourOfMove(index) {
    return index % 2 === 0 ? this.start.first : otherColour(this.start.first);
  }

  // The position as a key: the game's rule and size, the stones and the side to move.
  get key() {
    const stones = this.colours.map((colour) => colour?.[0] ?? '-').join('');
    return `${this.rule}:${boardWords(this)}:${this.colourToMove}:${stones}`;
  }

  get lastMove() {
    return this.moves.at(-1) ?? null;
  }

  // Places a stone of the colour to move on `move`'s cell; the caller has checked that the cell is
  // empty.
  play(move) {
    const colour = this.colourToMove;
    this.colours[move.x + this.size * move.y] = colour;
    this.moves.push(move);
    const { five, noWin } = this.#rowsThrough(move.x, move.y, colour);
    this.noWin = noWin;
    if (five.length > 0) {
      this.winner = colour;
      this.winningCells = five;
    }
  }

  // Lifts the last move's stone and returns the move; a finished game goes on again.
  takeBackLast() {
    const move = this.moves.pop();
    this.colours[move.x + this.size * move.y] = null;
    this.winner = null;
    this.winningCells = [];
    this.noWin = null;
    return move;
  }

  // The game as it stood after its first `count` moves.
  upTo(count) {
    const game = new Game(this.start);
    for (const move of this.moves.slice(0, count)) game.play(move);
    return game;
  }

  // The empty cells where a stone of `colour` would make a five that wins under the rule.
  fiveCells(colour) {
    const cells = [];
    this.colours.forEach((owner, index) => {
      if (owner !== null) return;
      const [x, y] = [index % this.size, Math.floor(index / this.size)];
      this.colours[index] = colour;
      if (this.#rowsThrough(x, y, colour).five.length > 0) cells.push({ x, y });
      this.colours[index] = null;
    });
    return cells;
  }

  // Every stone as the brain takes a position, with `colour`'s stones as its own: the set-up
  // stones, then the moves in the order played, as a manager sends them.
  stonesSeenBy(colour) {
    const stone = (owner) => (owner === colour ? 'own' : 'opponent');
    return [
      ...Colours.flatMap((owner) => this.start[owner].map(({ x, y }) => ({ x, y, owner }))),
      ...this.moves.map(({ x, y }, index) => ({ x, y, owner: this.colourOfMove(index) })),
    ].map(({ x, y, owner }) => ({ x, y, stone: stone(owner) }));
  }

  #rowsThrough(x, y, colour) {
    return rowsThrough((cx, cy) => this.colourAt(cx, cy), x, y, colour, this.rule);
  }
}
