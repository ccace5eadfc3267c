// The brain's WebAssembly module instantiated from its compiled WebAssembly.Module: the module's
// loader (engine.js) only instantiates what it is handed, so that the .wasm is fetched or read
// once by the package, wherever a bundler or a server has put it.
import createEngine from './engine.js';

// The module with receive(text, options), command(text, options) and
// freezeClock(epochMilliseconds).
export function createEngineInstance(compiled) {
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

// The same, at once, where the platform instantiates a module without waiting (Node): the loader
// then runs the module as soon as it is handed the instance, and the object it was given is the
// module.
export function createEngineInstanceSync(compiled) {
  const engine = {
    instantiateWasm(imports, receiveInstance) {
      receiveInstance(new WebAssembly.Instance(compiled, imports), compiled);
      return {};
    },
  };
  createEngine(engine);
  if (typeof engine.command !== 'function' || !engine.calledRun) {
    throw new Error("the brain's module did not start at once");
  }
  return engine;
}
