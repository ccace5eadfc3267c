// The game questions without a brain: outcome(position, options), isLegal(position, cell,
// options) and forbidden(position, options), for an entry point's platform. isLegal and forbidden
// resolve through the thread's rule judge (rule_judge.js), loaded at their first call; outcome
// answers at once, and asks the judge only about black's moves in a renju game given as a string
// of moves.
import { forbiddenCells, isLegalCell } from './brain.js';
import { outcome } from './outcome.js';
import { threadJudge, threadJudgeNow } from './rule_judge.js';

// { outcome, isLegal, forbidden } on `platform` ({ compileEngine, compileEngineSync? }).
export function gameQuestions(platform) {
  return {
    // { state: 'won', winner, side, five }, { state: 'full' } or { state: 'playing' } for
    // `position` under the options size, rule and toMove.
    outcome(position, options = {}) {
      return outcome(position, options, () => threadJudgeNow(platform));
    },
    async isLegal(position, cell, options) {
      return isLegalCell(await threadJudge(platform), position, cell, options);
    },
    async forbidden(position, options) {
      return forbiddenCells(await threadJudge(platform), position, options);
    },
  };
}

