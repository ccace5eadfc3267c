// createBrainWorker(): the brain in a Web Worker (worker.js), so that a page stays responsive
// while it thinks. It has the methods of createBrain()'s brain, each returning a promise.

// Resolves to { move(position, options), command(line), terminate() } once the worker's brain
// has loaded; rejects if it cannot load. The options are those of createBrain().
export async function createBrainWorker(options = {}) {
  if (typeof Worker !== 'function') {
    throw new Error('createBrainWorker needs Web Workers (a browser): use createBrain in Node');
  }
  const worker = new Worker(new URL('./worker.js', import.meta.url), { type: 'module' });
  const pending = new Map();
  let nextId = 0;
  let failure = null; // why the worker answers no more

  const fail = (error) => {
    failure ??= error;
    for (const { reject } of pending.values()) reject(failure);
    pending.clear();
  };
  worker.onmessage = ({ data: { id, result, error } }) => {
    const call = pending.get(id);
    if (call === undefined) return; // already rejected: the worker failed
    pending.delete(id);
    if (error === undefined) call.resolve(result);
    else call.reject(new Error(error));
  };
  worker.onerror = (event) => {
    event.preventDefault();
    fail(new Error(`the brain's worker failed: ${event.message || 'its script did not load'}`));
    worker.terminate();
  };
  const call = (method, ...args) =>
    new Promise((resolve, reject) => {
      if (failure) throw failure;
      try {
        worker.postMessage({ id: nextId, method, args });
      } catch (error) {
        throw new Error(`the ${method} request cannot be sent to the worker: ${error.message}`);
      }
      pending.set(nextId++, { resolve, reject });
    });

  try {
    await call('start', options);
  } catch (error) {
    worker.terminate();
    throw error;
  }
  return {
    move: (position, moveOptions) => call('move', position, moveOptions),
    command: (line) => call('command', line),
    terminate() {
      worker.terminate();
      fail(new Error("the brain's worker was terminated"));
    },
  };
}
