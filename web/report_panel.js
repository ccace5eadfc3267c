// The report on the page: "Go over the game" and "Stop going over it", and what the report is
// doing or did, in words.
import { BrainFailure } from './brain_client.js';
import { page } from './page_elements.js';

export class ReportPanel {
  #report;
  #current;
  #onMarked;
  #announce;

  // `report`: the Report; `current()`: the game's tree; `onMarked(tree)`: the report marked the
  // moves of `tree`; `announce(text)` tells how it went.
  constructor(report, { current, onMarked, announce }) {
    this.#report = report;
    this.#current = current;
    this.#onMarked = onMarked;
    this.#announce = announce;
    page.report.addEventListener('click', () => this.#goOver());
    page.stopReport.addEventListener('click', () => report.stop());
  }

  async #goOver() {
    const tree = this.#current();
    if (this.#report.isRunning || tree.line.length === 0) return;
    let words;
    try {
      const marked = await this.#report.run(tree);
      words =
        marked === null
          ? 'Stopped: the marks are as they were.'
          : `Orvane went over ${tree.line.length} moves and marked ${marked} of them.`;
      if (marked !== null) this.#onMarked(tree);
    } catch (error) {
      if (!(error instanceof BrainFailure)) throw error;
      words = `The report stopped: ${error.message}`;
    }
    page.reportText.textContent = words;
    this.#announce(words);
  }

  // Shows the buttons as they may be used for `tree`, and the report's progress.
  show(tree) {
    const { progress, isRunning } = this.#report;
    page.report.disabled = isRunning || tree.line.length === 0;
    page.stopReport.hidden = !isRunning;
    if (progress)
      page.reportText.textContent = `Orvane goes over the game: position ${progress.done + 1} of ${progress.total}…`;
  }
}
