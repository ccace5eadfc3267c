// The brain's module in a browser: engine.wasm fetched (from beside this module unless the
// options say otherwise) and compiled while it downloads; and the memory of the strong search's
// tables there.
import { compiledEngine } from './engine_source.js';
import { LoadFailedError } from './errors.js';

export function compileEngine(options) {
  return compiledEngine(options, new URL('./engine.wasm', import.meta.url), compileFetched);
}

// What makeBrain needs of the platform. 32 MB for the strong search (half of it its
// transposition table, a million entries) is within what a phone gives a page, and the module
// grows to it only at the first strong move.
export const browserPlatform = { compileEngine, strongMemory: 32 << 20 };

async function compileFetched(url) {
  let response;
  try {
    response = await fetch(url);
  } catch (error) {
    throw new LoadFailedError(`${url} could not be fetched: ${error.message}`);
  }
  if (!response.ok) {
    throw new LoadFailedError(
      `${url} could not be loaded: HTTP ${response.status} (give the option wasmUrl where a ` +
        'bundler or server puts orvane/engine.wasm)',
    );
  }
  // Streaming compilation needs the server to send the file as application/wasm.
  try {
    return await WebAssembly.compileStreaming(response.clone());
  } catch {
    try {
      return await WebAssembly.compile(await response.arrayBuffer());
    } catch (error) {
      throw new LoadFailedError(`${url} is not the brain's module: ${error.message}`);
    }
  }
}
