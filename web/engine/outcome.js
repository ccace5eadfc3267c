// outcome(position, options): how a game stands, without a brain.
import { GameOptions, checkOptionKeys, outcomeOf, readGame } from './game_position.js';

// { state: 'won', winner, side, five }, { state: 'full' } or { state: 'playing' } for `position`
// under the options size, rule and toMove.
export function outcome(position, options = {}) {
  checkOptionKeys(options, GameOptions, "{ rule: 'renju', size: 15 }");
  return outcomeOf(readGame(position, options));
}
