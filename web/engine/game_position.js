// A position with the game it belongs to, read from a caller's position and options (size, rule,
// toMove): the board, the rule, the stones by side and by colour. The package's game-state
// helpers and its requests to the brain start here.
import { describe } from './describe.js';
import { BadOptionError, BadPositionError, GameOverError } from './errors.js';
import { boardOf, ruleOf } from './game_options.js';
import { gameOutcome } from './game_outcome.js';
import { onBoard, readPosition } from './position.js';

export const GameOptions = ['size', 'rule', 'toMove'];

// { board, rule, stones: [{ x, y, own, colour }], ownColour } for `position` under `options`.
export function readGame(position, options = {}) {
  const board = boardOf(options.size);
  const rule = ruleOf(options.rule);
  const { stones, ownColour } = readPosition(position, board, options.toMove);
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
  return { board, rule, stones: coloured, ownColour };
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
    const cells = outcome.five.map(({ x, y }) => `${x},${y}`).join(' ');
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

// Whether `cell` ({ x, y }) is an empty cell of the board; throws when it is not a cell at all.
export function isEmptyCell(game, cell) {
  if (
    cell === null ||
    typeof cell !== 'object' ||
    !Number.isInteger(cell.x) ||
    !Number.isInteger(cell.y)
  ) {
    throw new BadOptionError(
      `a cell is { x, y } with whole numbers x and y, not ${describe(cell)}`,
    );
  }
  return onBoard(cell, game.board) && !game.stones.some(({ x, y }) => x === cell.x && y === cell.y);
}
