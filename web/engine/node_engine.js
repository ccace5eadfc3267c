// The brain's module in Node: engine.wasm read from its file (beside this module unless the
// options say otherwise: a path, or a file: URL) and compiled; and the memory of the strong
// search's tables there.
import { readFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { compiledEngine } from './engine_source.js';
import { LoadFailedError } from './errors.js';

export function compileEngine(options) {
  return compiledEngine(options, new URL('./engine.wasm', import.meta.url), compileFile);
}

// What makeBrain needs of the platform: in Node, the strong search takes the 64 MB that
// pbrain-orvane gives it by default; and the module compiled without waiting, for the rule judge.
export const nodePlatform = { compileEngine, compileEngineSync, strongMemory: 64 << 20 };

async function compileFile(place) {
  const file = typeof place === 'string' && place.startsWith('file:') ? new URL(place) : place;
  const bytes = await readFile(file).catch((error) => {
    throw unreadable(error, 'give its path as the option wasmUrl');
  });
  return WebAssembly.compile(bytes).catch((error) => {
    throw notTheModule(place, error);
  });
}

// The errors of a module that could not be read, with what to do instead, and of one that is not
// the brain's.
function unreadable(error, advice) {
  return new LoadFailedError(
    `the brain's module could not be read (${error.message}): copy orvane/engine.wasm beside ` +
      `the bundle, or ${advice}`,
  );
}
function notTheModule(place, error) {
  return new LoadFailedError(`${place} is not the brain's module: ${error.message}`);
}

// The package's own engine.wasm, read and compiled without waiting: for the rule judge that
// outcome() asks at once (rule_judge.js).
function compileEngineSync() {
  const file = new URL('./engine.wasm', import.meta.url);
  let bytes;
  try {
    bytes = readFileSync(file);
  } catch (error) {
    throw unreadable(error, 'make a brain first with the option wasmUrl');
  }
  try {
    return new WebAssembly.Module(bytes);
  } catch (error) {
    throw notTheModule(file, error);
  }
}
