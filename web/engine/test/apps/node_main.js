// One move from the brain on a worker thread, and one in the program's own thread: the Node app
// that esbuild bundles.
import { createBrain, createBrainWorker } from 'orvane';

const worker = await createBrainWorker({
  workerUrl: new URL('./orvane-worker.mjs', import.meta.url),
});
const answer = await worker.move('9,9 10,10 9,10', { level: 6 });
worker.terminate();
const same = (await createBrain()).move('9,9 10,10 9,10', { level: 6, seed: 1 });
console.log(`Orvane plays ${answer.x},${answer.y} and ${same.x},${same.y}`);
