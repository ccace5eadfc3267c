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
}
