// A Node worker thread running the brain (node_worker.js, or the script at `workerUrl`: a path or
// a file: URL), as worker_brain.js drives it: `message(data)` hears its answers,
// `failure(reason)` that it failed. The thread keeps Node running only while a call waits for it.
import { Worker } from 'node:worker_threads';

export function startWorker(workerUrl, { message, failure }) {
  const script =
    typeof workerUrl === 'string' && workerUrl.startsWith('file:') ? new URL(workerUrl) : workerUrl;
  const worker = new Worker(script ?? new URL('./node_worker.js', import.meta.url));
  let terminated = false;
  worker.on('message', message);
  worker.on('error', (error) => {
    // A bundle without the worker's script beside it fails so, naming only the missing file.
    const missing = error.code === 'ERR_MODULE_NOT_FOUND' || /Cannot find module/.test(error.message);
    failure(
      missing
        ? `its script did not load (${error.message}): give the option workerUrl where a ` +
            "bundler puts orvane/worker.js (its bundle for Node, such as './orvane-worker.mjs')"
        : error.message,
    );
  });
  worker.on('exit', (code) => {
    if (!terminated) failure(`it stopped with exit code ${code}`);
  });
  worker.unref();
  return {
    post: (data) => worker.postMessage(data),
    terminate() {
      terminated = true;
      worker.terminate();
    },
    keepAlive(busy) {
      if (busy) worker.ref();
      else worker.unref();
    },
  };
}
