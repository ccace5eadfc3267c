// One move from the brain in a Web Worker, shown on the page: the app that every bundler builds.
import { createBrainWorker } from 'orvane';

const brain = await createBrainWorker();
const answer = await brain.move('9,9 10,10 9,10', { level: 6 });
document.body.textContent = `Orvane plays ${answer.x},${answer.y}`;
