// The brain's module in Node: engine.wasm read from its file (beside this module unless the
// options say otherwise: a path, or a file: URL) and compiled; and the memory of the strong
// search's tables there.
import { readFile } from 'node:fs/promises';
import { compiledEngine } from './engine_source.js';
import { LoadFailedError } from './errors.js';

export function compileEngine(options) {
  return compiledEngine(options, new URL('./engine.wasm', import.meta.url), compileFile);
}

// What makeBrain needs of the platform: in Node, the strong search takes the 64 MB that
// pbrain-orvane gives it by default.
export const nodePlatform = { compileEngine, strongMemory: 64 << 20 };

async function compileFile(place) {
  const file = typeof place === 'string' && place.startsWith('file:') ? new URL(place) : place;
  let bytes;
  try {
    bytes = await readFile(file);
  } catch (error) {
    throw new LoadFailedError(
      `the brain's module could not be read (${error.message}): copy orvane/engine.wasm beside ` +
        'the bundle, or give its path as the option wasmUrl',
    );
  }
  try {
    return await WebAssembly.compile(bytes);
  } catch (error) {
    throw new LoadFailedError(`${place} is not the brain's module: ${error.message}`);
  }
}
