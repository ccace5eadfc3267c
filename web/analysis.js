// Orvane's analysis of positions, for the side to move, at full depth: its answers (move, verdict,
// line, candidates) are kept by position, for the board and for the report after a game. While
// analysis is on, each position the board shows is analysed; the brain works on one of them at a
// time, and when the board moves on meanwhile, only the latest position waits for its turn. While
// the brain works, each depth its search finishes is shown as it is reported (the package's
// onProgress), until the answer replaces it.
import { BrainFailure } from './brain_client.js';
import { AnalysisLevel } from './levels.js';

export class Analysis {
  isOn = false;
  #brain;
  #onChange;
  #answers = new Map(); // position key → Orvane's answer
  #progress = new Map(); // position key → the last depth reported, while the brain works on it
  #asking = null; // the key of the position the brain works on
  #waiting = null; // { key, position }: the latest position shown, not yet asked

  // `brain`: the BrainClient; `onChange(key)` hears when the answer for a position arrived.
  constructor(brain, onChange) {
    this.#brain = brain;
    this.#onChange = onChange;
  }

  toggle() {
    this.isOn = !this.isOn;
    if (!this.isOn) this.#waiting = null;
  }

  // The board shows `position` (a Game): analyse it, if analysis is on, the position is still open
  // and the brain is ready (a brain that failed is asked again once it is back).
  follow(position) {
    const key = position.key;
    if (!this.isOn || this.#brain.state !== 'ready' || position.isOver) return;
    if (this.#answers.has(key) || this.#asking === key) return;
    this.#waiting = { key, position };
    this.#askNext();
  }

  // Orvane's answer for `position`, or while it works on it the last depth it reported
  // ({ x, y, depth, nodes, verdict, seconds, line, candidates: [], inProgress: true }), or null.
  answerFor(position) {
    return this.#answers.get(position.key) ?? this.#progress.get(position.key) ?? null;
  }

  // Orvane's answer for `position`, asked for now unless it is known already. Throws BrainFailure
  // when the brain cannot answer.
  async answer(position) {
    const key = position.key;
    if (!this.#answers.has(key)) this.#receive(key, await this.#ask(position, key));
    return this.#answers.get(key);
  }

  // Whether Orvane is working on `position`, or about to.
  isWorkingOn(position) {
    const key = position.key;
    return this.#asking === key || this.#waiting?.key === key;
  }

  async #askNext() {
    if (this.#asking !== null || this.#waiting === null) return;
    const { key, position } = this.#waiting;
    this.#waiting = null;
    this.#asking = key;
    this.#onChange(key);
    try {
      this.#receive(key, await this.#ask(position, key));
    } catch (error) {
      // The brain's failure is the page's to tell; the position can be asked again.
      if (!(error instanceof BrainFailure)) throw error;
    } finally {
      this.#asking = null;
      this.#onChange(key);
      this.#askNext();
    }
  }

  #ask(position, key) {
    const { size, rule } = position;
    const stones = position.stonesSeenBy(position.colourToMove);
    const onProgress = (report) => {
      const [move] = report.line;
      if (!move) return;
      this.#progress.set(key, { ...report, ...move, candidates: [], inProgress: true });
      this.#onChange(key);
    };
    return this.#brain
      .move(stones, { level: AnalysisLevel, size, rule, onProgress })
      .finally(() => this.#progress.delete(key));
  }

  #receive(key, answer) {
    this.#answers.set(key, { ...answer, level: AnalysisLevel });
    this.#onChange(key);
  }
}
