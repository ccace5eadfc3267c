// The brain of createBrainWorker() inside its Web Worker (see worker_service.js).
import { browserPlatform } from './browser_engine.js';
import { serveBrain } from './worker_service.js';

const serve = serveBrain(browserPlatform, (message) => self.postMessage(message));
self.onmessage = ({ data }) => serve(data);
