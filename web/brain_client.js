// The page's hold on the brain: loads it in its worker, asks it for moves and for black's
// forbidden cells in renju (the orvane package's move() and forbidden(), under any rule and on any
// board), and never leaves the page waiting for ever. A worker that fails mid-game is replaced and
// asked again; every question carries the whole position, so a new worker needs nothing else to
// take up the game. A question aborted by its asker (the package's signal) is no failure.
// Generous bounds: the brain spends at most a few seconds on a move, and a phone on a slow
// network may take a while to fetch and compile the module.
const LoadMilliseconds = 60000;
const AnswerMilliseconds = 60000;

export class BrainFailure extends Error {}

// Whether `error` is the package's answer to a question aborted by its signal.
export function isAbort(error) {
  return error?.code === 'ORVANE_ABORTED';
}

export class BrainClient {
  #worker = null;
  #loading = null;
  // 'loading', 'ready' or 'failed'; `onChange` hears of every change.
  state = 'loading';
  problem = '';

  constructor(onChange) {
    this.onChange = onChange;
  }

  // Loads the brain; resolves when it is ready, or once it has failed (state 'failed').
  load() {
    this.#loading ??= this.#load().finally(() => {
      this.#loading = null;
    });
    return this.#loading;
  }

  // Orvane's answer for `position` with `options` (as the package's move() takes them); throws
  // BrainFailure when the brain cannot give one, after one fresh worker has been tried, and the
  // package's AbortError when the options' signal aborted the question.
  move(position, options) {
    return this.#ask('move', position, options);
  }

  // Black's forbidden cells in `position` under `options` ({ size, rule }): [{ x, y, reason }].
  forbidden(position, options) {
    return this.#ask('forbidden', position, options);
  }

  async #ask(question, position, options) {
    for (let attempt = 1; ; attempt++) {
      await this.load();
      if (!this.#worker) throw new BrainFailure(this.problem);
      const worker = this.#worker;
      try {
        return await withinTime(
          worker[question](position, options),
          AnswerMilliseconds,
          () => `Orvane gave no answer within ${AnswerMilliseconds / 1000} seconds.`,
        );
      } catch (error) {
        if (isAbort(error)) throw error;
        worker.terminate();
        if (this.#worker === worker) this.#worker = null;
        if (error instanceof BrainFailure || attempt === 2) {
          this.#fail(
            error instanceof BrainFailure
              ? error.message
              : `Orvane's brain stopped (${error.message}).`,
          );
          throw new BrainFailure(this.problem);
        }
        console.warn(`The brain's worker failed (${error.message}); starting a new one.`);
      }
    }
  }

  async #load() {
    if (this.#worker) return;
    this.#change('loading', '');
    // The package is imported here, not with the page, so that a file of it that does not load
    // is a brain that does not load, which the page can say.
    const loading = import('./engine/orvane.js').then(({ createBrainWorker }) =>
      createBrainWorker(),
    );
    try {
      this.#worker = await withinTime(
        loading,
        LoadMilliseconds,
        () => `it did not load within ${LoadMilliseconds / 1000} seconds`,
      );
      this.#change('ready', '');
    } catch (error) {
      // A worker that turns up after all is not wanted any more.
      loading.then(
        (worker) => worker.terminate(),
        () => {},
      );
      this.#fail(`Orvane's brain could not be loaded (${error.message || 'no reason given'}).`);
    }
  }

  #fail(problem) {
    this.#change('failed', problem);
  }

  #change(state, problem) {
    this.state = state;
    this.problem = problem;
    this.onChange();
  }
}

// The promise's value, or a BrainFailure with `message()` once `milliseconds` have passed.
function withinTime(promise, milliseconds, message) {
  let timer;
  const timeout = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new BrainFailure(message())), milliseconds);
  });
  return Promise.race([promise, timeout]).finally(() => clearTimeout(timer));
}
