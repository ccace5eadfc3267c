// A Web Worker running the brain (worker.js, or the script at `workerUrl`), as worker_brain.js
// drives it: `message(data)` hears its answers, `failure(reason)` that it failed.
import { WorkerFailedError } from './errors.js';

export function startWorker(workerUrl, { message, failure }) {
  if (typeof Worker !== 'function') {
    throw new WorkerFailedError('createBrainWorker needs Web Workers here: use createBrain');
  }
  // Written out in full, so that bundlers see the worker's script and place it.
  const worker =
    workerUrl === undefined
      ? new Worker(new URL('./worker.js', import.meta.url), { type: 'module' })
      : new Worker(workerUrl, { type: 'module' });
  worker.onmessage = ({ data }) => message(data);
  worker.onerror = (event) => {
    event.preventDefault();
    failure(
      event.message ||
        `its script did not load (give the option workerUrl where a bundler or server puts orvane/worker.js)`,
    );
  };
  return {
    post: (data) => worker.postMessage(data),
    terminate: () => worker.terminate(),
    keepAlive() {},
  };
}
