// outcome(position, options): how a game stands, without a brain.
import { GameOptions, checkOptionKeys, outcomeOf, readGame } from './game_position.js';

// { state: 'won', winner, side, five }, { state: 'full' } or { state: 'playing' } for `position`
// under the options size, rule and toMove. `judge()`, when given, gives the rule judge that
// checks black's moves in a renju game given as a string of moves (rule_judge.js); the package's
// entries give it (game_questions.js).
export function outcome(position, options = {}, judge = undefined) {
  checkOptionKeys(options, GameOptions, "{ rule: 'renju', size: 15 }");
  const game = readGame(position, options);
  if (judge && game.rule.name === 'renju' && game.played) judge().checkHistory(game);
  return outcomeOf(game);
}
