// The report after a game: Orvane goes over the current line, judges every position in it for the
// side to move by the analysis (the strong search, for the analysis' time), and marks each move
// where its verdict turned (see report_marks.js) with the cell it would have played there. The
// marks are set on the moves themselves, so that they are kept and saved with the game. Orvane's
// own moves by the strong search, thought over as long or longer, already carry its judgement of
// the position before them. Stopping gives up the position being judged at once.
import { isAbort } from './brain_client.js';
import { Strong } from './levels.js';
import { markKind } from './report_marks.js';

export class Report {
  progress = null; // { done, total } while Orvane goes over a game
  #analysis;
  #onProgress;
  #stopping = null; // the AbortController of the run in progress

  // `analysis`: the Analysis that judges positions; `onProgress()` hears of every position judged.
  constructor(analysis, onProgress) {
    this.#analysis = analysis;
    this.#onProgress = onProgress;
  }

  get isRunning() {
    return this.progress !== null;
  }

  // Goes over the current line of `tree` and marks its moves. Resolves to the number of moves
  // marked, or null when stopped first (the marks are then left as they were). Throws BrainFailure
  // when the brain cannot answer.
  async run(tree) {
    const moves = [...tree.line];
    const game = tree.game(0);
    const judged = []; // Orvane's answer for the position before each move, and after the last
    const stopping = new AbortController();
    this.#stopping = stopping;
    const seconds = this.#analysis.seconds;
    try {
      for (let index = 0; index <= moves.length && !game.isOver; index++) {
        this.progress = { done: index, total: moves.length + 1 };
        this.#onProgress();
        const own = moves[index]?.answer;
        judged[index] =
          own?.level === Strong && own.thinkingTime >= seconds
            ? own
            : await this.#analysis.answer(game.upTo(index), stopping.signal);
        if (stopping.signal.aborted) return null;
        if (index < moves.length) game.play(moves[index]);
      }
    } catch (error) {
      if (isAbort(error)) return null;
      throw error;
    } finally {
      this.#stopping = null;
      this.progress = null;
      this.#onProgress();
    }
    let marked = 0;
    moves.forEach((move, index) => {
      const [before, after] = [judged[index], judged[index + 1]];
      const kind = before && after ? markKind(before.verdict, after.verdict) : null;
      if (!kind) {
        delete move.mark;
        return;
      }
      const better =
        before.x === move.x && before.y === move.y ? null : { x: before.x, y: before.y };
      move.mark = { kind, better };
      marked++;
    });
    return marked;
  }

  stop() {
    this.#stopping?.abort();
  }
}
