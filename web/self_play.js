// Orvane against itself: it plays one move at the player's word ("Next move"), or runs on move after
// move until the game ends or the player pauses it.
import { page } from './page_elements.js';

// A pause between moves while running, so that the eye can follow the game.
const RunPauseMilliseconds = 400;

export class SelfPlay {
  isRunning = false;
  #moveAsked = false;
  #onMove;

  // `onMove()` is called whenever Orvane may play its next move.
  constructor(onMove) {
    this.#onMove = onMove;
    page.nextMove.addEventListener('click', () => {
      this.#moveAsked = true;
      this.#onMove();
    });
    page.run.addEventListener('click', () => {
      this.isRunning = !this.isRunning;
      this.#onMove();
    });
  }

  // Whether Orvane may play a move now.
  get mayMove() {
    return this.isRunning || this.#moveAsked;
  }

  // Orvane is playing a move: a move asked for one at a time is taken up.
  moving() {
    this.#moveAsked = false;
  }

  // Orvane played a move: when running, the next one follows after a short pause, unless the move
  // ended the game (`gameOver`).
  moved(gameOver) {
    if (gameOver) this.stop();
    if (this.isRunning) setTimeout(() => this.#onMove(), RunPauseMilliseconds);
  }

  stop() {
    this.isRunning = this.#moveAsked = false;
  }

  // Shows the buttons when Orvane plays both sides; `canMove` tells whether a move can be played.
  show(visible, canMove) {
    page.selfPlayButtons.hidden = !visible;
    page.nextMove.disabled = !canMove || this.isRunning;
    page.run.disabled = !canMove && !this.isRunning;
    page.run.setAttribute('aria-pressed', String(this.isRunning));
    page.run.textContent = this.isRunning ? 'Pause' : 'Run';
  }
}
