// A position as the brain takes it: its stones { x, y, own } on a board of a given size, checked
// to stand on the board, one to a cell, with the side to move (`own`) and its colour. Black is
// the side that moved first, so black is to move when the board holds an even number of stones.
import { describe } from './describe.js';
import { BadOptionError, BadPositionError } from './errors.js';

const StoneKinds = ['own', 'opponent', 'black', 'white'];

// { stones: [{ x, y, own }], ownColour: 'black' | 'white', played } from `position` (an array of
// stones, or a string of the moves played) on `board`; `played` is true for a string, whose stones
// are the moves in the order played. `toMove` ('black' or 'white') says which colour's
// stones are the side to move in an array of black and white stones; when left out, it follows
// from their numbers.
export function readPosition(position, board, toMove) {
  if (toMove !== undefined && toMove !== 'black' && toMove !== 'white') {
    throw new BadOptionError(`toMove is 'black' or 'white', not ${describe(toMove)}`);
  }
  if (typeof position !== 'string') {
    const { stones, coloured } = stonesOf(position, board);
    if (coloured) return colouredPosition(stones, toMove);
    if (toMove === undefined)
      return ownedPosition(stones.map(({ x, y, kind }) => ({ x, y, own: kind === 'own' })));
  }
  if (toMove !== undefined) {
    throw new BadOptionError(
      "toMove goes with stones 'black' and 'white', not 'own' and 'opponent'",
    );
  }
  return { ...ownedPosition(movesOf(position, board)), played: true };
}

// A position of own and opponent stones, whose colours follow from their number.
function ownedPosition(stones) {
  return { stones, ownColour: stones.length % 2 === 0 ? 'black' : 'white', played: false };
}

// The stones of an array of { x, y, stone }, all of one kind: 'own' and 'opponent', or 'black'
// and 'white'.
function stonesOf(position, board) {
  if (!Array.isArray(position)) {
    throw new BadPositionError(
      `the position is an array of stones or a string of moves, not ${describe(position)}`,
    );
  }
  const cells = new CellRegister(board, (index) => `position[${index}]`);
  const stones = Array.from(position, (stone, index) => {
    if (stone === null || typeof stone !== 'object' || !StoneKinds.includes(stone.stone)) {
      throw new BadPositionError(
        `position[${index}] is not a stone: expected { x, y, stone } with stone ` +
          `'own' | 'opponent' | 'black' | 'white', not ${describeStone(stone)}`,
      );
    }
    cells.place(stone.x, stone.y, index);
    return { x: stone.x, y: stone.y, kind: stone.stone };
  });
  const coloured = stones.filter(({ kind }) => kind === 'black' || kind === 'white').length;
  if (coloured !== 0 && coloured !== stones.length) {
    throw new BadPositionError(
      "the stones are all 'own' and 'opponent', or all 'black' and 'white', not a mix",
    );
  }
  return { stones, coloured: coloured > 0 };
}

// Black and white stones as own and opponent stones: the side to move is `toMove`, or black
// when the colours have as many stones each, white when black has one more.
function colouredPosition(stones, toMove) {
  const blacks = stones.filter(({ kind }) => kind === 'black').length;
  const whites = stones.length - blacks;
  const ownColour =
    toMove ?? (blacks === whites ? 'black' : blacks === whites + 1 ? 'white' : null);
  if (ownColour === null) {
    throw new BadPositionError(
      `black has ${blacks} stones and white ${whites}: black moves first, so black has as many ` +
        'stones as white or one more (or give toMove)',
    );
  }
  return {
    stones: stones.map(({ x, y, kind }) => ({ x, y, own: kind === ownColour })),
    ownColour,
    played: false,
  };
}

// The stones of a string of moves "x,y x,y ...", played alternately, black first; the side to
// move is the one after the last move.
function movesOf(text, board) {
  const moves = text.trim() === '' ? [] : text.trim().split(/\s+/);
  const cells = new CellRegister(board, (index) => `move ${index + 1}`);
  return moves.map((move, index) => {
    const cell = /^(-?\d+),(-?\d+)$/.exec(move);
    if (!cell) {
      throw new BadPositionError(
        `malformed move ${describe(move)} (move ${index + 1}): ` +
          'moves are written x,y and separated by spaces',
      );
    }
    const [x, y] = [Number(cell[1]), Number(cell[2])];
    cells.place(x, y, index);
    return { x, y, own: (moves.length - index) % 2 === 0 };
  });
}

// The cells taken so far, to find stones off the board and two stones on one cell; `name` says
// which stone of the input an index is.
class CellRegister {
  #taken = new Map();
  #board;
  #name;

  constructor(board, name) {
    this.#board = board;
    this.#name = name;
  }

  place(x, y, index) {
    const { width, height } = this.#board;
    if (!Number.isInteger(x) || !Number.isInteger(y)) {
      throw new BadPositionError(
        `${this.#name(index)} has x ${describe(x)} and y ${describe(y)}: ` +
          `x and y are whole numbers, x from 0 to ${width - 1} and y from 0 to ${height - 1}`,
      );
    }
    if (!onBoard({ x, y }, this.#board)) {
      throw new BadPositionError(
        `${this.#name(index)} at ${x},${y} is off the ${width} × ${height} board: ` +
          `x runs from 0 to ${width - 1} and y from 0 to ${height - 1}`,
      );
    }
    const cell = x + width * y;
    if (this.#taken.has(cell)) {
      const first = this.#name(this.#taken.get(cell));
      throw new BadPositionError(`two stones on ${x},${y}: ${first} and ${this.#name(index)}`);
    }
    this.#taken.set(cell, index);
  }
}

export function onBoard({ x, y }, { width, height }) {
  return x >= 0 && x < width && y >= 0 && y < height;
}

function describeStone(stone) {
  if (stone !== null && typeof stone === 'object' && 'stone' in stone) {
    return `stone ${describe(stone.stone)}`;
  }
  return describe(stone);
}
