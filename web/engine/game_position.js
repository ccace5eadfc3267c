// A position with the game it belongs to, read from a caller's position and options (size, rule,
// toMove): the board, the rule, the stones by side and by colour. The package's game-state
// helpers and its requests to the brain start here.
import { describe } from './describe.js';
import {
  BadOptionError,
  BadPositionError,
  GameOverError,
  MoveAfterFiveError,
  TwoFivesError,
} from './errors.js';
import { boardOf, ruleOf } from './game_options.js';
import { colourReader, gameOutcome, winningRowThrough, winningRows } from './game_outcome.js';
import { onBoard, readPosition } from './position.js';

export const GameOptions = ['size', 'rule', 'toMove'];

// { board, rule, stones: [{ x, y, own, colour }], ownColour, played } for `position` under
// `options`; `played` is true when the stones are the moves in the order played (a string).
// Throws a BadPositionError for a position no game reaches: moves after a five, or a five of each
// side. (Black's forbidden moves in renju are the brain's rule judge's to find: rule_judge.js.)
export function readGame(position, options = {}) {
  const board = boardOf(options.size);
  const rule = ruleOf(options.rule);
  const { stones, ownColour, played } = readPosition(position, board, options.toMove);
  const parityColour = stones.length % 2 === 0 ? 'black' : 'white';
  if (rule.name === 'renju' && ownColour !== parityColour) {
    throw new BadPositionError(
      `in renju black moves first, so with ${stones.length} stones on the board ` +
        `${parityColour} is to move, not ${ownColour}`,
    );
  }
  const opponentColour = ownColour === 'black' ? 'white' : 'black';
  const coloured = stones.map((stone) => ({
    ...stone,
    colour: stone.own ? ownColour : opponentColour,
  }));
  const game = { board, rule, stones: coloured, ownColour, played };
  if (played) checkNoMoveAfterFive(game);
  else checkOneFive(game);
  return game;
}

// Throws a MoveAfterFiveError when a move of the string follows one that made a five.
function checkNoMoveAfterFive({ board, rule, stones }) {
  const colours = new Map();
  const colourAt = colourReader([], board, colours);
  stones.forEach((stone, index) => {
    colours.set(stone.x + board.width * stone.y, stone.colour);
    const five = index < stones.length - 1 && winningRowThrough(colourAt, rule.name, stone);
    if (!five) return;
    const next = stones[index + 1];
    throw new MoveAfterFiveError(
      `move ${index + 2} (${next.x},${next.y}) follows the five that ${stone.colour} made with ` +
        `move ${index + 1} at ${cellsText(five)}: the game ended there`,
      { move: index + 2, five },
    );
  });
}

// Throws a TwoFivesError when both colours have a five among `stones`.
function checkOneFive({ board, rule, stones }) {
  const { black, white } = winningRows(stones, board, rule.name);
  if (black && white) {
    throw new TwoFivesError(
      `both sides have a five, black at ${cellsText(black)} and white at ${cellsText(white)}: ` +
        'a game ends at the first five',
      { fives: { black, white } },
    );
  }
}

function cellsText(cells) {
  return cells.map(({ x, y }) => `${x},${y}`).join(' ');
}

// How the game stands: { state: 'won', winner: 'black' | 'white', side: 'own' | 'opponent',
// five: [{ x, y }] }, { state: 'full' } or { state: 'playing' }.
export function outcomeOf(game) {
  const outcome = gameOutcome(game.stones, game.board, game.rule.name);
  if (outcome.state !== 'won') return outcome;
  const side = outcome.winner === game.ownColour ? 'own' : 'opponent';
  return { state: 'won', winner: outcome.winner, side, five: outcome.five };
}

// Throws a GameOverError when the game is over, saying who won and where.
export function checkInPlay(game) {
  const outcome = outcomeOf(game);
  if (outcome.state === 'full') {
    throw new GameOverError('the board is full: no empty cell is left to play', outcome);
  }
  if (outcome.state === 'won') {
    const cells = cellsText(outcome.five);
    throw new GameOverError(
      `the game is over: ${outcome.winner} (${outcome.side === 'own' ? 'the side to move' : 'the side that moved last'}) ` +
        `has ${outcome.five.length} in a row at ${cells}`,
      outcome,
    );
  }
}

// Checks the options of a game-state helper: only `allowed` keys.
export function checkOptionKeys(options, allowed, example) {
  if (options === null || typeof options !== 'object' || Array.isArray(options)) {
    throw new BadOptionError(
      `the options are an object such as ${example}, not ${describe(options)}`,
    );
  }
  for (const key of Object.keys(options)) {
    if (!allowed.includes(key)) {
      throw new BadOptionError(
        `unknown option ${describe(key)}: the options are ${allowed.join(', ')}`,
      );
    }
  }
}

// Whether `cell` ({ x, y }) is an empty cell of the board; throws when it is not a cell at all,
// saying what is wrong with it.
export function isEmptyCell(game, cell) {
  if (cell === null || typeof cell !== 'object' || Array.isArray(cell)) {
    throw new BadOptionError(
      `a cell is { x, y } with whole numbers x and y, not ${describe(cell)}`,
    );
  }
  for (const key of ['x', 'y']) {
    if (!Number.isInteger(cell[key])) {
      throw new BadOptionError(
        `the cell's ${key} is ${describe(cell[key])}: x and y are whole numbers, x from 0 to ` +
          `${game.board.width - 1} and y from 0 to ${game.board.height - 1}`,
      );
    }
  }
  return onBoard(cell, game.board) && !game.stones.some(({ x, y }) => x === cell.x && y === cell.y);
}
