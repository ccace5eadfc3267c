// The orvane package in a browser: Orvane, a Go-moku brain, for pages and their workers. No
// module reachable from here imports Node's own modules (orvane_node.js is Node's entry).
import { makeBrain } from './brain.js';
import { browserPlatform } from './browser_engine.js';
import { startWorker } from './browser_worker.js';
import { gameQuestions } from './game_questions.js';
import { offerThreadJudge } from './rule_judge.js';
import { makeBrainWorker } from './worker_brain.js';

export * from './public_errors.js';

// How a game stands, whether a cell may be played, and black's forbidden cells in renju, without
// a brain. A brain made here lends its module to the rule judge that they ask.
export const { outcome, isLegal, forbidden } = gameQuestions(browserPlatform);

// The brain in the page's own thread.
export const createBrain = async (options = {}) =>
  makeBrain(options, {
    ...browserPlatform,
    onCompiled: (compiled) => offerThreadJudge(compiled, browserPlatform),
  });

// The brain in a Web Worker, so that the page stays responsive while it thinks.
export const createBrainWorker = async (options = {}) =>
  makeBrainWorker(options, { ...browserPlatform, startWorker });
