// One line of play on the board: the stones set up before the first move (an empty board unless a
// position was set up), the moves in turn from there, and whether five or more in a row have ended
// it. Freestyle: a line of six or more counts as five. Stones are black or white; without a set-up
// position black moves first.

export const BoardSide = 20;
export const Black = 'black';
export const White = 'white';
export const Colours = [Black, White];

// The empty board, black to move.
export const EmptyStart = Object.freeze({ black: [], white: [], first: Black });

const Directions = [
  [1, 0],
  [0, 1],
  [1, 1],
  [1, -1],
];

export function isOnBoard(x, y) {
  return (
    Number.isInteger(x) && Number.isInteger(y) && x >= 0 && x < BoardSide && y >= 0 && y < BoardSide
  );
}

export function otherColour(colour) {
  return colour === Black ? White : Black;
}

export class Game {
  // start: { black: [{ x, y }], white: [{ x, y }], first: colour }, the stones set up before the
  // first move and the colour that moves first.
  constructor(start = EmptyStart) {
    this.start = start;
    this.colours = new Array(BoardSide * BoardSide).fill(null);
    // The moves in order, each an object with at least { x, y } (a move of the game's tree, with
    // what is known about it).
    this.moves = [];
    this.winner = null;
    this.winningCells = [];
    for (const colour of Colours) {
      for (const { x, y } of start[colour]) this.colours[x + BoardSide * y] = colour;
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
    const game = new Game({ black: [], white: [], first: start.first });
    for (const colour of Colours) {
      for (const { x, y } of start[colour]) {
        if (!isOnBoard(x, y)) throw new Error(`The ${colour} stone ${x},${y} is off the board.`);
        if (!game.isEmpty(x, y)) throw new Error(`Two stones stand on ${x},${y}.`);
        game.colours[x + BoardSide * y] = colour;
        if (game.#longLineThrough(x, y, colour).length > 0)
          throw new Error(`The position already holds five ${colour} stones in a row.`);
      }
    }
    game.start = start;
    return game;
  }

  // Plays `move` after checking that it may be played; `where()` names it in an Error.
  playChecked(move, where) {
    const { x, y } = move;
    if (!isOnBoard(x, y))
      throw new Error(`${where()}: that cell is off the ${BoardSide} × ${BoardSide} board.`);
    if (this.winner !== null)
      throw new Error(`${where()}: the game was already won by move ${this.moves.length}.`);
    if (!this.isEmpty(x, y)) throw new Error(`${where()}: that cell is already taken.`);
    this.play(move);
  }

  colourAt(x, y) {
    return this.colours[x + BoardSide * y];
  }

  isEmpty(x, y) {
    return isOnBoard(x, y) && this.colourAt(x, y) === null;
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

  get lastMove() {
    return this.moves.at(-1) ?? null;
  }

  // Places a stone of the colour to move on `move`'s cell; the caller has checked that the cell is
  // empty.
  play(move) {
    const colour = this.colourToMove;
    this.colours[move.x + BoardSide * move.y] = colour;
    this.moves.push(move);
    const line = this.#longLineThrough(move.x, move.y, colour);
    if (line.length > 0) {
      this.winner = colour;
      this.winningCells = line;
    }
  }

  // Lifts the last move's stone and returns the move; a finished game goes on again.
  takeBackLast() {
    const move = this.moves.pop();
    this.colours[move.x + BoardSide * move.y] = null;
    this.winner = null;
    this.winningCells = [];
    return move;
  }

  // The game as it stood after its first `count` moves.
  upTo(count) {
    const game = new Game(this.start);
    for (const move of this.moves.slice(0, count)) game.play(move);
    return game;
  }

  // The empty cells where a stone of `colour` would make five or more in a row.
  fiveCells(colour) {
    const cells = [];
    this.colours.forEach((owner, index) => {
      if (owner !== null) return;
      const [x, y] = [index % BoardSide, Math.floor(index / BoardSide)];
      this.colours[index] = colour;
      if (this.#longLineThrough(x, y, colour).length > 0) cells.push({ x, y });
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

  // The cells of every line of five or more of `colour`'s stones that runs through (x, y).
  #longLineThrough(x, y, colour) {
    const cells = [];
    for (const [dx, dy] of Directions) {
      const line = [{ x, y }];
      for (const sign of [1, -1]) {
        let cx = x + sign * dx;
        let cy = y + sign * dy;
        while (isOnBoard(cx, cy) && this.colourAt(cx, cy) === colour) {
          line.push({ x: cx, y: cy });
          cx += sign * dx;
          cy += sign * dy;
        }
      }
      if (line.length >= 5) cells.push(...line);
    }
    return cells;
  }
}
