// The brain of createBrainWorker() inside its Node worker thread (see worker_service.js).
import { parentPort } from 'node:worker_threads';
import { nodePlatform } from './node_engine.js';
import { serveBrain } from './worker_service.js';

parentPort.on(
  'message',
  serveBrain(nodePlatform, (message) => parentPort.postMessage(message)),
);
