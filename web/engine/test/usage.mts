// Uses of the package as its declarations allow them, and (under @ts-expect-error) as they must
// refuse them. Checked by tsc --noEmit, never run.
import { createBrain, createBrainWorker } from 'orvane';
import type { Answer, Position, Stone, Verdict } from 'orvane';

const brain = await createBrain({ frozenClock: new Date(0) });
const stones: Stone[] = [{ x: 9, y: 9, stone: 'opponent' }];
const answer: Answer = brain.move(stones, { level: 8 });
const verdict: Verdict = answer.verdict;
const onLine: number = answer.line[0].x + answer.candidates[0].total;
brain.move('9,9 10,10', { turnTime: 5000, matchTime: 180000, timeLeft: 60000 });
const replies: string[] = brain.command('ABOUT');
brain.terminate();

const worker = await createBrainWorker();
const later: Promise<Answer> = worker.move('9,9' satisfies Position);
const workerReplies: Promise<string[]> = worker.command('ABOUT');
worker.terminate();

// @ts-expect-error: the levels are 2, 6, 8 and 10
brain.move(stones, { level: 5 });
// @ts-expect-error: a level or times, not both
brain.move(stones, { level: 8, turnTime: 5000 });
// @ts-expect-error: a stone is 'own' or 'opponent'
brain.move([{ x: 9, y: 9, stone: 'black' }]);
// @ts-expect-error: the worker's answer is a promise
const notAwaited: Answer = worker.move(stones);
// @ts-expect-error: the options of createBrain are frozenClock alone
await createBrain({ level: 8 });

export { verdict, onLine, replies, later, workerReplies, notAwaited };
