// The orvane package in a browser: Orvane, a Go-moku brain, for pages and their workers. No
// module reachable from here imports Node's own modules (orvane_node.js is Node's entry).
import { makeBrain } from './brain.js';
import { browserPlatform } from './browser_engine.js';
import { startWorker } from './browser_worker.js';
import { makeBrainWorker } from './worker_brain.js';

export { outcome } from './outcome.js';
export * from './public_errors.js';

// The brain in the page's own thread.
export const createBrain = async (options = {}) => makeBrain(options, browserPlatform);

// The brain in a Web Worker, so that the page stays responsive while it thinks.
export const createBrainWorker = async (options = {}) =>
  makeBrainWorker(options, { ...browserPlatform, startWorker });
