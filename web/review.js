// Which position the board shows: the game as it stands, the game after any earlier move, or the
// position before one of Orvane's moves with its line laid over it, stone by stone. Stepping
// through never changes the game itself.
export class Review {
  #total = 0;
  #shown = null; // moves shown, or null for the game as it stands
  line = null; // { move, step }: Orvane's move at index `move`, its line's first `step` stones

  // A new or changed game: back to the game as it stands when `total` moved on.
  follow(total, { keepPlace = false } = {}) {
    if (!keepPlace || (this.#shown !== null && this.#shown > total)) {
      this.#shown = null;
      this.line = null;
    }
    this.#total = total;
  }

  get total() {
    return this.#total;
  }

  // The number of moves on the board.
  get shown() {
    return this.#shown ?? this.#total;
  }

  get isLive() {
    return this.#shown === null && this.line === null;
  }

  goTo(count) {
    this.line = null;
    const shown = Math.min(this.#total, Math.max(0, count));
    this.#shown = shown === this.#total ? null : shown;
  }

  step(delta) {
    this.goTo(this.shown + delta);
  }

  // Shows the line behind Orvane's move at index `move` (`length` stones), all of it at first.
  showLine(move, length) {
    this.#shown = move;
    this.line = { move, step: length, length };
  }

  stepLine(delta) {
    if (this.line) this.line.step = Math.min(this.line.length, Math.max(1, this.line.step + delta));
  }

  closeLine() {
    if (this.line) this.goTo(this.line.move + 1);
  }

  // Where the player is looking, to keep: { shown, line }.
  get place() {
    return { shown: this.#shown, line: this.line };
  }

  // Goes back to a kept `place` in a game of `total` moves, as far as it still fits the game;
  // `lineLength(move)` is the length of the line behind the move at index `move` (0 for none).
  restore(place, total, lineLength) {
    this.follow(total);
    const { shown, line } = place ?? {};
    if (Number.isInteger(line?.move) && line.move < total && lineLength(line.move) > 0) {
      this.showLine(line.move, lineLength(line.move));
      if (Number.isInteger(line.step)) this.stepLine(line.step - this.line.step);
    } else if (Number.isInteger(shown)) {
      this.goTo(shown);
    }
  }
}
