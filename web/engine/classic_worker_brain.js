// brain.js of the site, for a page whose worker loads the brain with importScripts: the package's
// in-thread brain, as createOrvaneBrain().
self.createOrvaneBrain = () =>
  import('./engine/orvane.js').then(({ createBrain }) => createBrain());
