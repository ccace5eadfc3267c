// The page's question to the brain about the game: Orvane's move, or a hint for the player. One
// question at a time; while it waits, the status tells what the brain works on (for the strong
// search, each depth it finishes and the time it has left, each second). A question whose
// game has changed meanwhile is dropped at once (the strong search may think for seconds), which
// frees the brain for the game as it now stands.
import { BrainFailure, isAbort } from './brain_client.js';
import { boardOption } from './game.js';
import { Strong, searchAt } from './levels.js';

const TickMilliseconds = 1000;

export class BrainQuestions {
  // { text, and for the strong search depth (the last finished) and deadline (performance.now()'s
  // time when it answers) } while the brain works on a question
  waiting = null;
  #brain;
  #controller = null;
  #onChange;
  #onFailure;
  #onDropped;

  // `brain`: the BrainClient; `onChange()` hears when a question starts, goes on and ends;
  // `onFailure(message)` when the brain could not answer; `onDropped()` when a dropped question
  // has ended, so that the game as it now stands can be taken up.
  constructor(brain, { onChange, onFailure, onDropped }) {
    this.#brain = brain;
    this.#onChange = onChange;
    this.#onFailure = onFailure;
    this.#onDropped = onDropped;
  }

  // Orvane's answer for the side to move in `position` (a Game) at `level` (the strong search
  // thinking `seconds`), with what was asked and the milliseconds it took; `text` says meanwhile
  // what the brain does. Null when the question was dropped or the brain failed.
  async ask(text, position, { level, seconds }) {
    const controller = new AbortController();
    this.#controller = controller;
    const started = performance.now();
    const waiting = { text };
    this.waiting = waiting;
    const { options, kept } = searchAt(level, seconds);
    let ticker = null;
    if (level === Strong) {
      Object.assign(waiting, { depth: null, deadline: started + seconds * 1000 });
      options.onProgress = ({ depth }) => {
        waiting.depth = depth;
        this.#onChange();
      };
      ticker = setInterval(() => this.#onChange(), TickMilliseconds);
    }
    this.#onChange();
    try {
      const stones = position.stonesSeenBy(position.colourToMove);
      const answer = await this.#brain.move(stones, {
        ...options,
        size: boardOption(position),
        rule: position.rule,
        signal: controller.signal,
      });
      const milliseconds = Math.round(performance.now() - started);
      return controller.signal.aborted ? null : { ...answer, ...kept, milliseconds };
    } catch (error) {
      if (isAbort(error)) return null;
      if (!(error instanceof BrainFailure)) throw error;
      this.#onFailure(error.message);
      return null;
    } finally {
      clearInterval(ticker);
      if (this.#controller === controller) {
        this.#controller = null;
        this.waiting = null;
        this.#onChange();
      }
      if (controller.signal.aborted) this.#onDropped();
    }
  }

  // Drops the question in flight, if any: the game it was about has changed.
  drop() {
    this.#controller?.abort();
    this.#controller = null;
    this.waiting = null;
  }
}
