// The orvane package: Orvane, a Go-moku brain, for programs in Node and pages in the browser.
export { createBrain } from './brain.js';
export { createBrainWorker } from './worker_brain.js';
