// The package in a CommonJS TypeScript project, as its declarations allow it. Checked by tsc
// --noEmit, never run.
import { createBrain, outcome, GameOverError } from 'orvane';
import type { Outcome } from 'orvane';

async function play(): Promise<number> {
  const brain = await createBrain();
  const state: Outcome = outcome('9,9', { rule: 'renju', size: 15 });
  try {
    return brain.move('9,9', { size: { width: 15, height: 11 } }).x;
  } catch (error) {
    if (error instanceof GameOverError && state.state === 'won') return error.outcome.state.length;
    throw error;
  }
}
// @ts-expect-error: the rules are named, not numbered
outcome('9,9', { rule: 4 });

export = play;
