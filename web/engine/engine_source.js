// Where the brain's .wasm comes from: the caller's compiled module or bytes (option `wasm`), or a
// URL (option `wasmUrl`, else the package's own engine.wasm), fetched or read by the entry point.
import { describe } from './describe.js';
import { BadOptionError, LoadFailedError } from './errors.js';

// The compiled WebAssembly.Module of the options' `wasm` or `wasmUrl`; `compileFromUrl(url)`
// fetches or reads a URL (`defaultUrl` when none is given) and compiles it.
export async function compiledEngine({ wasm, wasmUrl }, defaultUrl, compileFromUrl) {
  if (wasm !== undefined && wasmUrl !== undefined) {
    throw new BadOptionError('give the module as wasm or its place as wasmUrl, not both');
  }
  if (wasm instanceof WebAssembly.Module) return wasm;
  if (wasm instanceof ArrayBuffer || ArrayBuffer.isView(wasm)) {
    try {
      return await WebAssembly.compile(wasm);
    } catch (error) {
      throw new LoadFailedError(
        `the bytes given as wasm are not the brain's module: ${error.message}`,
      );
    }
  }
  if (wasm !== undefined) {
    throw new BadOptionError(
      `wasm is the bytes of engine.wasm (an ArrayBuffer or a typed array) or a ` +
        `WebAssembly.Module, not ${describe(wasm)}`,
    );
  }
  if (wasmUrl !== undefined && typeof wasmUrl !== 'string' && !(wasmUrl instanceof URL)) {
    throw new BadOptionError(`wasmUrl is a string or a URL, not ${describe(wasmUrl)}`);
  }
  return compileFromUrl(wasmUrl ?? defaultUrl);
}
