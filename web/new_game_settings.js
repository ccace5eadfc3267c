// A new game as the player chose it: the rule, the board's size and, against Orvane, who moves
// first (kept with the other settings: see settings.js); and the words that name a game's rule and
// board.
import { Black, White, boardWords, emptyStart } from './game.js';
import { Human, playersFor } from './players.js';
import { Rules } from './rules.js';
import { settings } from './settings.js';
import { GameTree } from './variations.js';

// A new game from the empty board, played in `mode` (see players.js).
export function newGameTree(mode) {
  const humanColour = settings.firstPlayer === Human ? Black : White;
  return new GameTree({
    start: emptyStart(settings.size, settings.rule, settings.height || settings.size),
    players: playersFor(mode, humanColour),
  });
}

// The game of `start` in words: "Renju on a 15 × 15 board."
export function gameWords(start) {
  return `${Rules[start.rule].name} on a ${boardWords(start)} board.`;
}
