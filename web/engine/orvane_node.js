// The orvane package in Node: Orvane, a Go-moku brain, for programs. The brain reads engine.wasm
// from its file, and createBrainWorker runs it on a worker thread.
import { makeBrain } from './brain.js';
import { nodePlatform } from './node_engine.js';
import { startWorker } from './node_worker_thread.js';
import { gameQuestions } from './game_questions.js';
import { offerThreadJudge } from './rule_judge.js';
import { makeBrainWorker } from './worker_brain.js';

export * from './public_errors.js';

// How a game stands, whether a cell may be played, and black's forbidden cells in renju, without
// a brain. A brain made here lends its module to the rule judge that they ask.
export const { outcome, isLegal, forbidden } = gameQuestions(nodePlatform);

// The brain in the program's own thread: each move blocks until it is found.
export const createBrain = async (options = {}) =>
  makeBrain(options, {
    ...nodePlatform,
    onCompiled: (compiled) => offerThreadJudge(compiled, nodePlatform),
  });

// The brain on a worker thread, so that the program's event loop runs on while it thinks.
export const createBrainWorker = async (options = {}) =>
  makeBrainWorker(options, { ...nodePlatform, startWorker });
