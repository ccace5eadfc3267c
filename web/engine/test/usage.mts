// Uses of the package as its declarations allow them, and (under @ts-expect-error) as they must
// refuse them. Checked by tsc --noEmit, never run.
import {
  createBrain,
  createBrainWorker,
  forbidden,
  isLegal,
  outcome,
  AbortError,
  ForbiddenMoveError,
  ListenerFailedError,
  OrvaneError,
} from 'orvane';
import type {
  Answer,
  ForbiddenCell,
  Outcome,
  Position,
  SearchReport,
  Stone,
  Verdict,
} from 'orvane';

const brain = await createBrain({ frozenClock: new Date(0) });
const stones: Stone[] = [{ x: 9, y: 9, stone: 'opponent' }];
const answer: Answer = brain.move(stones, { level: 8 });
const verdict: Verdict = answer.verdict;
const onLine: number = answer.line[0].x + answer.candidates[0].total;
brain.move('9,9 10,10', { turnTime: 5000, matchTime: 180000, timeLeft: 60000 });
const strong: Answer = brain.move('9,9', { engine: 'strong', seconds: 3, rule: 'renju' });
const worth: number | undefined = strong.evaluation ?? strong.movesToFive;
brain.move('9,9', { engine: 'strong', turnTime: 5000, timeLeft: 60000 });
const replies: string[] = brain.command('ABOUT');
const colours: Stone[] = [{ x: 9, y: 9, stone: 'black' }];
brain.move(colours, { toMove: 'white', rule: 'renju', size: 15, seed: 7, level: 6 });
const reports: SearchReport[] = [];
brain.move('9,9', { signal: new AbortController().signal, onProgress: (r) => reports.push(r) });
const cells: ForbiddenCell[] = brain.forbidden(colours, { rule: 'renju' });
const legal: boolean = brain.isLegal('9,9', { x: 3, y: 3 }, { size: { width: 9, height: 7 } });
const state: Outcome = outcome('9,9 10,10', { rule: 'caro-exact-five' });
const legalHere: Promise<boolean> = isLegal('9,9', { x: 3, y: 3 }, { rule: 'renju' });
const forbiddenHere: Promise<ForbiddenCell[]> = forbidden(colours, { rule: 'renju', size: 15 });
const spent: number = answer.seconds - answer.depthSeconds;
const forbiddenReason: string = new ForbiddenMoveError('x').reason;
const listenerCause: unknown = new ListenerFailedError('x').cause;
const five = state.state === 'won' ? state.five : [];
const code: string = new AbortError('stop').code;
const isOurs: boolean = new Error('x') instanceof OrvaneError;
brain.terminate();

const worker = await createBrainWorker();
const later: Promise<Answer> = worker.move('9,9' satisfies Position);
const workerReplies: Promise<string[]> = worker.command('ABOUT');
worker.terminate();

// @ts-expect-error: the levels are 2, 6, 8 and 10
brain.move(stones, { level: 5 });
// @ts-expect-error: a level or times, not both
brain.move(stones, { level: 8, turnTime: 5000 });
// @ts-expect-error: a level is the classic search's
brain.move(stones, { engine: 'strong', level: 8 });
// @ts-expect-error: seconds are the strong search's
brain.move(stones, { seconds: 3 });
// @ts-expect-error: seconds or times, not both
brain.move(stones, { engine: 'strong', seconds: 3, turnTime: 5000 });
// @ts-expect-error: a stone is 'own', 'opponent', 'black' or 'white'
brain.move([{ x: 9, y: 9, stone: 'red' }]);
// @ts-expect-error: an unknown rule
brain.move(stones, { rule: 'gomoku' });
// @ts-expect-error: the worker's isLegal is a promise
const legalNow: boolean = worker.isLegal('9,9', { x: 1, y: 1 });
// @ts-expect-error: the package's isLegal is a promise
const legalAtOnce: boolean = isLegal('9,9', { x: 1, y: 1 });
// @ts-expect-error: the worker's answer is a promise
const notAwaited: Answer = worker.move(stones);
// @ts-expect-error: the options of createBrain are frozenClock, wasm and wasmUrl
await createBrain({ level: 8 });
await createBrainWorker({
  workerUrl: new URL('https://example.invalid/worker.js'),
  wasm: new Uint8Array(),
});

export {
  verdict,
  worth,
  onLine,
  replies,
  later,
  workerReplies,
  notAwaited,
  cells,
  legal,
  five,
  code,
  isOurs,
  legalNow,
  legalHere,
  forbiddenHere,
  spent,
  forbiddenReason,
  listenerCause,
  legalAtOnce,
};
