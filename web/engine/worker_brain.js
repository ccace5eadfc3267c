// createBrainWorker(): the brain in a worker (a Web Worker in a browser, a worker thread in
// Node), so that the page or the program stays responsive while it thinks. It has the methods of
// createBrain()'s brain, each returning a promise. The entry point gives the ways to compile the
// module and to start a worker; the module is compiled here once and handed to every worker.
// isLegal and forbidden need no search: the thread's rule judge (a module instance in the
// calling thread) answers them at once, however long the worker thinks.
import { forbiddenCells, isLegalCell, listenerFailed } from './brain.js';
import { describe } from './describe.js';
import { AbortError, BadOptionError, WorkerFailedError, errorFromTransfer } from './errors.js';
import { checkOptionKeys } from './game_position.js';
import { listenerOf, signalOf } from './move_request.js';
import { provideThreadJudge } from './rule_judge.js';

const WorkerOptions = ['frozenClock', 'wasm', 'wasmUrl', 'workerUrl'];

// Resolves to { move, command, forbidden, isLegal, terminate } once the worker's brain has
// loaded; rejects if it cannot load. An aborted move, or one whose progress listener threw, ends
// its worker and starts another with the same compiled module, which takes up the calls still
// waiting; the commands' session starts afresh there.
export async function makeBrainWorker(options, { compileEngine, startWorker }) {
  checkOptionKeys(options, WorkerOptions, '{ workerUrl }');
  const { workerUrl, wasm, wasmUrl, ...brainOptions } = options;
  if (workerUrl !== undefined && typeof workerUrl !== 'string' && !(workerUrl instanceof URL)) {
    throw new BadOptionError(`workerUrl is a string or a URL, not ${describe(workerUrl)}`);
  }
  const calls = new Map(); // id → { method, args, resolve, reject, onProgress }
  let nextId = 0;
  let failure = null; // why the brain answers no more
  let worker = null;

  const fail = (error) => {
    failure ??= error;
    worker?.terminate();
    for (const { reject } of calls.values()) reject(failure);
    calls.clear();
  };
  // A new worker, whose messages count only while it is the brain's worker.
  const startOwnWorker = () => {
    const started = startWorker(workerUrl, {
      message({ id, result, error, progress }) {
        const call = calls.get(id);
        if (started !== worker || call === undefined) return; // aborted, or the worker failed
        if (progress !== undefined) {
          // A listener's error ends the move with it, and its search with the worker.
          try {
            return call.onProgress?.(progress);
          } catch (listenerError) {
            return stopMove(id, listenerFailed(listenerError));
          }
        }
        calls.delete(id);
        worker.keepAlive(calls.size > 0);
        if (error === undefined) call.resolve(result);
        else call.reject(errorFromTransfer(error));
      },
      failure(reason) {
        if (started === worker) fail(new WorkerFailedError(`the brain's worker failed: ${reason}`));
      },
    });
    return started;
  };
  const post = (id) => {
    const { method, args } = calls.get(id);
    worker.post({ id, method, args });
  };
  // Sends a call; resolves to its result. `id` hears the call's id.
  const call = (method, args, { onProgress, id } = {}) =>
    new Promise((resolve, reject) => {
      if (failure) throw failure;
      const callId = nextId++;
      calls.set(callId, { method, args, resolve, reject, onProgress });
      try {
        post(callId);
      } catch (error) {
        calls.delete(callId);
        throw new BadOptionError(
          `the ${method} request cannot be sent to the worker: ${error.message}`,
        );
      }
      worker.keepAlive(true);
      id?.(callId);
    });
  // Starts the brain in `started`: the start goes first, then every call still waiting.
  const connect = (compiled, started) => {
    const waiting = [...calls.keys()];
    worker = started;
    const ready = call('start', [{ ...brainOptions, wasm: compiled }]);
    for (const id of waiting) post(id);
    return ready;
  };

  // The worker's scripts load while the module compiles.
  worker = startOwnWorker();
  let compiled;
  let judge;
  try {
    compiled = await compileEngine({ wasm, wasmUrl });
    [judge] = await Promise.all([provideThreadJudge(compiled), connect(compiled, worker)]);
  } catch (error) {
    worker.terminate();
    throw error;
  }

  // Ends the move `id` with `error`, and its search with its worker: another takes up the calls
  // still waiting.
  const stopMove = (id, error) => {
    const stopped = calls.get(id);
    if (stopped === undefined) return;
    calls.delete(id);
    stopped.reject(error);
    worker.terminate();
    connect(compiled, startOwnWorker()).catch(fail);
  };
  const abort = (id, reason) => stopMove(id, new AbortError('the move was aborted', reason));
  // A game question answered in this thread, as a promise like the worker's answers.
  const answerHere = async (question) => {
    if (failure) throw failure;
    return question();
  };

  return {
    move(position, moveOptions) {
      const { signal, onProgress, rest } = splitMoveOptions(moveOptions);
      if (signal?.aborted)
        return Promise.reject(new AbortError('the move was aborted', signal.reason));
      let id;
      const onAbort = () => abort(id, signal.reason);
      const answer = call('move', [position, rest, onProgress !== undefined], {
        onProgress,
        id: (callId) => (id = callId),
      });
      if (signal) {
        signal.addEventListener('abort', onAbort, { once: true });
        const stopListening = () => signal.removeEventListener('abort', onAbort);
        answer.then(stopListening, stopListening);
      }
      return answer;
    },
    command: (line) => call('command', [line]),
    forbidden: (position, options) => answerHere(() => forbiddenCells(judge, position, options)),
    isLegal: (position, cell, options) =>
      answerHere(() => isLegalCell(judge, position, cell, options)),
    terminate() {
      fail(new WorkerFailedError("the brain's worker was terminated"));
    },
  };
}

// A move's options without the signal and the progress listener, which stay in this thread.
function splitMoveOptions(options) {
  if (options === null || typeof options !== 'object' || Array.isArray(options)) {
    return { rest: options };
  }
  const { signal, onProgress, ...rest } = options;
  return { signal: signalOf(signal), onProgress: listenerOf({ onProgress }), rest };
}
