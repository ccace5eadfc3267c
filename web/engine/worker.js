// The brain of createBrainWorker() inside its Web Worker. Every message is { id, method, args }:
// 'start' with the options of createBrain, then 'move' and 'command'. Every answer is { id,
// result }, or { id, error } with the message of the Error thrown.
import { createBrain } from './brain.js';

let brain;

self.onmessage = async ({ data: { id, method, args } }) => {
  try {
    if (method === 'start') brain = await createBrain(...args);
    self.postMessage({ id, result: method === 'start' ? null : brain[method](...args) });
  } catch (error) {
    self.postMessage({ id, error: error instanceof Error ? error.message : String(error) });
  }
};
