// The brain inside a worker (a Web Worker or a Node worker thread), answering worker_brain.js.
// Every message is { id, method, args }: 'start' with createBrain's options (the compiled module
// as `wasm`), then 'move', 'command', 'forbidden' and 'isLegal', one at a time in the order sent.
// Every answer is { id, result } or { id, error } (see errorTransfer); a move asked with progress
// also posts { id, progress } for each depth its search finishes.
import { makeBrain } from './brain.js';
import { errorTransfer } from './errors.js';

const Methods = ['command', 'forbidden', 'isLegal'];

// The handler of the worker's messages; `post` sends an answer back. `platform` is what
// makeBrain takes: { compileEngine, strongMemory }.
export function serveBrain(platform, post) {
  let brain;
  let queue = Promise.resolve();
  const answer = async ({ id, method, args }) => {
    try {
      if (method === 'start') {
        brain = await makeBrain(args[0], platform);
        post({ id, result: null });
      } else if (method === 'move') {
        const [position, options, wantsProgress] = args;
        const onProgress = (progress) => post({ id, progress });
        post({
          id,
          result: brain.move(position, wantsProgress ? { ...options, onProgress } : options),
        });
      } else if (Methods.includes(method)) {
        post({ id, result: brain[method](...args) });
      }
    } catch (error) {
      post({ id, error: errorTransfer(error) });
    }
  };
  return (message) => {
    queue = queue.then(() => answer(message));
  };
}
