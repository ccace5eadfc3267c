// The game as the page keeps it: the stones, who played them in which order, Orvane's answer
// behind each of its moves, and whether five or more in a row have ended it. Freestyle: a line of
// six or more counts as five. The first player has black.

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
  return (
    Number.isInteger(x) && Number.isInteger(y) && x >= 0 && x < BoardSide && y >= 0 && y < BoardSide
  );
}

export function otherPlayer(player) {
  return player === Human ? Brain : Human;
}

export class Game {
  constructor(firstPlayer) {
    this.firstPlayer = firstPlayer;
    this.owners = new Array(BoardSide * BoardSide).fill(null);
    // Each move: { x, y, player, answer }; `answer` is the brain's answer behind one of Orvane's
    // moves ({ depth, nodes, verdict, seconds, line, candidates }), absent otherwise.
    this.moves = [];
    // How many of the first moves came from a record or a link rather than from play here.
    this.recordMoves = 0;
    this.winner = null;
    this.winningCells = [];
  }

  // A game of `cells` played in turn from the empty board, or an Error naming the first cell that
  // cannot be played; `where(index)` says where that cell came from, in its source's own words.
  static replay(
    cells,
    firstPlayer,
    where = (index) => `Move ${index + 1} (${cells[index].x},${cells[index].y})`,
  ) {
    const game = new Game(firstPlayer);
    cells.forEach(({ x, y, answer }, index) => {
      if (!isOnBoard(x, y)) throw new Error(`${where(index)}: that cell is off the 20 × 20 board.`);
      if (game.winner !== null)
        throw new Error(`${where(index)}: the game was already won by move ${index}.`);
      if (!game.isEmpty(x, y)) throw new Error(`${where(index)}: that cell is already taken.`);
      game.play(x, y, answer);
    });
    return game;
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
    return this.moves.length % 2 === 0 ? this.firstPlayer : otherPlayer(this.firstPlayer);
  }

  colourOf(player) {
    return player === this.firstPlayer ? 'black' : 'white';
  }

  get lastMove() {
    return this.moves.at(-1) ?? null;
  }

  // Places the stone of the player to move; the caller has checked that the cell is empty.
  play(x, y, answer) {
    const player = this.playerToMove;
    this.owners[x + BoardSide * y] = player;
    this.moves.push(answer ? { x, y, player, answer } : { x, y, player });
    const line = this.#longLineThrough(x, y, player);
    if (line.length > 0) {
      this.winner = player;
      this.winningCells = line;
    }
  }

  // Lifts the last stone and returns its move; a finished game goes on again.
  takeBackLast() {
    const move = this.moves.pop();
    this.recordMoves = Math.min(this.recordMoves, this.moves.length);
    this.owners[move.x + BoardSide * move.y] = null;
    this.winner = null;
    this.winningCells = [];
    return move;
  }

  // The game as it stood after its first `count` moves.
  upTo(count) {
    const game = Game.replay(this.moves.slice(0, count), this.firstPlayer);
    game.recordMoves = Math.min(this.recordMoves, count);
    return game;
  }

  // Whether the game was won by a move that came from a record or a link.
  get wonInRecord() {
    return this.winner !== null && this.moves.length <= this.recordMoves;
  }

  // The moves in the order played, as the brain takes a position: "x,y x,y ...".
  get moveText() {
    return this.moves.map(({ x, y }) => `${x},${y}`).join(' ');
  }

  // The stones as the brain takes a position, with `player`'s stones as its own.
  stonesSeenBy(player) {
    return this.moves.map(({ x, y, player: owner }) => ({
      x,
      y,
      stone: owner === player ? 'own' : 'opponent',
    }));
  }

  toJSON() {
    return { firstPlayer: this.firstPlayer, moves: this.moves, recordMoves: this.recordMoves };
  }

  // A game kept by toJSON(); throws when the data is not such a game.
  static fromJSON(data) {
    if (![Human, Brain].includes(data?.firstPlayer) || !Array.isArray(data.moves))
      throw new Error('not a saved game');
    const game = Game.replay(data.moves, data.firstPlayer);
    game.recordMoves = Math.min(Number(data.recordMoves) || 0, game.moves.length);
    return game;
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
