// The game as the page keeps it: the stones, who played them in which order, and whether five
// or more in a row have ended it. Freestyle: a line of six or more counts as five.

export const BoardSide = 20;
export const Human = 'human';
export const Brain = 'brain';

const Directions = [
  [1, 0],
  [0, 1],
  [1, 1],
  [1, -1],
];

export function isOnBoard(x, y) {
  return x >= 0 && x < BoardSide && y >= 0 && y < BoardSide;
}

export class Game {
  constructor(firstPlayer) {
    this.firstPlayer = firstPlayer;
    this.owners = new Array(BoardSide * BoardSide).fill(null);
    // Each move: { x, y, player, brainKnows }. brainKnows tells whether the brain's session holds
    // the stone too, so that undo can take it back there.
    this.moves = [];
    this.winner = null;
    this.winningCells = [];
  }

  ownerAt(x, y) {
    return this.owners[x + BoardSide * y];
  }

  isEmpty(x, y) {
    return isOnBoard(x, y) && this.ownerAt(x, y) === null;
  }

  get isOver() {
    return this.winner !== null || this.moves.length === this.owners.length;
  }

  get playerToMove() {
    const other = this.firstPlayer === Human ? Brain : Human;
    return this.moves.length % 2 === 0 ? this.firstPlayer : other;
  }

  colourOf(player) {
    return player === this.firstPlayer ? 'black' : 'white';
  }

  get lastMove() {
    return this.moves.at(-1) ?? null;
  }

  // Places the stone of the player to move; the caller has checked that the cell is empty.
  play(x, y, brainKnows) {
    const player = this.playerToMove;
    this.owners[x + BoardSide * y] = player;
    this.moves.push({ x, y, player, brainKnows });
    const line = this.#longLineThrough(x, y, player);
    if (line.length > 0) {
      this.winner = player;
      this.winningCells = line;
    }
  }

  // Lifts the last stone and returns its move; a finished game goes on again.
  takeBackLast() {
    const move = this.moves.pop();
    this.owners[move.x + BoardSide * move.y] = null;
    this.winner = null;
    this.winningCells = [];
    return move;
  }

  // The cells of every line of five or more of `player`'s stones that runs through (x, y).
  #longLineThrough(x, y, player) {
    const cells = [];
    for (const [dx, dy] of Directions) {
      const line = [{ x, y }];
      for (const sign of [1, -1]) {
        let cx = x + sign * dx;
        let cy = y + sign * dy;
        while (isOnBoard(cx, cy) && this.ownerAt(cx, cy) === player) {
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
