// Orvane's analysis of positions, for the side to move, by the strong search for the time the
// player chose: its answers (move, verdict, line) are kept by position and time, for the board and
// for the report after a game. While analysis is on, each position the board shows is analysed;
// the brain works on one of them at a time, and when the board moves on meanwhile, the position no
// longer shown is given up and only the latest waits for its turn. While the brain works, each
// depth its search finishes is shown as it is reported (the package's onProgress), until the
// answer replaces it.
import { BrainFailure, isAbort } from './brain_client.js';
import { boardOption } from './game.js';
import { Strong, searchAt } from './levels.js';

export class Analysis {
  isOn = false;
  #brain;
  #onChange;
  #time;
  #answers = new Map(); // key of a position and a time → Orvane's answer
  #progress = new Map(); // key → the last depth reported, while the brain works on it
  #asking = null; // { key, controller }: the position shown that the brain works on
  #waiting = null; // { key, position }: the latest position shown, not yet asked

  // `brain`: the BrainClient; `onChange(key)` hears when the answer for a position arrived;
  // `time()` gives the seconds the analysis thinks for a position.
  constructor(brain, onChange, time) {
    this.#brain = brain;
    this.#onChange = onChange;
    this.#time = time;
  }

  // The seconds the analysis thinks for a position now.
  get seconds() {
    return this.#time();
  }

  toggle() {
    this.isOn = !this.isOn;
    if (this.isOn) return;
    this.#waiting = null;
    this.#asking?.controller.abort();
  }

  // The board shows `position` (a Game): analyse it, if analysis is on, the position is still open
  // and the brain is ready (a brain that failed is asked again once it is back).
  follow(position) {
    const key = this.#keyOf(position);
    if (!this.isOn || this.#brain.state !== 'ready' || position.isOver) return;
    if (this.#answers.has(key) || this.#asking?.key === key) return;
    this.#waiting = { key, position };
    this.#asking?.controller.abort();
    this.#askNext();
  }

  // Orvane's answer for `position`, or while it works on it the last depth it reported
  // ({ x, y, depth, nodes, verdict, seconds, line, candidates: [], inProgress: true }), or null.
  answerFor(position) {
    const key = this.#keyOf(position);
    return this.#answers.get(key) ?? this.#progress.get(key) ?? null;
  }

  // Orvane's answer for `position`, asked for now unless it is known already. Throws BrainFailure
  // when the brain cannot answer, and the package's AbortError when `signal` aborts it.
  async answer(position, signal) {
    const key = this.#keyOf(position);
    if (!this.#answers.has(key)) this.#receive(key, await this.#ask(position, key, signal));
    return this.#answers.get(key);
  }

  // Whether Orvane is working on `position`, or about to.
  isWorkingOn(position) {
    const key = this.#keyOf(position);
    return this.#asking?.key === key || this.#waiting?.key === key;
  }

  async #askNext() {
    if (this.#asking !== null || this.#waiting === null) return;
    const { key, position } = this.#waiting;
    this.#waiting = null;
    const asking = { key, controller: new AbortController() };
    this.#asking = asking;
    this.#onChange(key);
    try {
      this.#receive(key, await this.#ask(position, key, asking.controller.signal));
    } catch (error) {
      // The brain's failure is the page's to tell; the position can be asked again.
      if (!(error instanceof BrainFailure || isAbort(error))) throw error;
    } finally {
      this.#asking = null;
      this.#onChange(key);
      this.#askNext();
    }
  }

  #ask(position, key, signal) {
    const [size, rule] = [boardOption(position), position.rule];
    const stones = position.stonesSeenBy(position.colourToMove);
    const onProgress = (report) => {
      const [move] = report.line;
      if (!move) return;
      this.#progress.set(key, { ...report, ...move, candidates: [], inProgress: true });
      this.#onChange(key);
    };
    const { options, kept } = searchAt(Strong, this.seconds);
    return this.#brain
      .move(stones, { ...options, size, rule, onProgress, signal })
      .then((answer) => ({ ...answer, ...kept }))
      .finally(() => this.#progress.delete(key));
  }

  #receive(key, answer) {
    this.#answers.set(key, answer);
    this.#onChange(key);
  }

  #keyOf(position) {
    return `${position.key} ${this.seconds}`;
  }
}
