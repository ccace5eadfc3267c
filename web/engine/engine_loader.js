// Loads the brain's WebAssembly module. engine.wasm is compiled here, read from its file in Node
// and fetched in a browser (compiled while it downloads), and handed to the module's loader,
// which then only instantiates it. The loader (engine.js) is imported while the .wasm downloads,
// so that neither waits for the other.

const engineUrl = new URL('./engine.wasm', import.meta.url);

// The module with receive(text), command(text) and freezeClock(epochMilliseconds).
export async function loadEngine() {
  const [compiled, { default: createEngine }] = await Promise.all([
    compileEngine(),
    import('./engine.js'),
  ]);
  let instantiationFailed;
  const failure = new Promise((_, reject) => (instantiationFailed = reject));
  const engine = createEngine({
    instantiateWasm(imports, receiveInstance) {
      WebAssembly.instantiate(compiled, imports).then(
        (instance) => receiveInstance(instance, compiled),
        instantiationFailed,
      );
      return {};
    },
  });
  return Promise.race([engine, failure]);
}

async function compileEngine() {
  if (typeof process === 'object' && typeof process.versions?.node === 'string') {
    // Left to Node at run time: a bundler for the browser need not resolve it.
    const { readFile } = await import(/* webpackIgnore: true */ 'node:fs/promises');
    return WebAssembly.compile(await readFile(engineUrl));
  }
  const response = await fetch(engineUrl);
  if (!response.ok) throw new Error(`${engineUrl} could not be loaded: HTTP ${response.status}`);
  // Streaming compilation needs the server to send the file as application/wasm.
  try {
    return await WebAssembly.compileStreaming(response.clone());
  } catch {
    return WebAssembly.compile(await response.arrayBuffer());
  }
}
