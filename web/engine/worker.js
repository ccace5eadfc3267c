// The brain of createBrainWorker() inside its Web Worker (see worker_service.js).
import { compileEngine } from './browser_engine.js';
import { serveBrain } from './worker_service.js';

const serve = serveBrain(compileEngine, (message) => self.postMessage(message));
self.onmessage = ({ data }) => serve(data);
