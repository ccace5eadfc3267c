// The report after a game: Orvane goes over the current line, judges every position in it for the
// side to move at full depth, and marks each move where its verdict turned (see report_marks.js)
// with the cell it would have played there. The marks are set on the moves themselves, so that
// they are kept and saved with the game. Orvane's own moves at full depth already carry its
// judgement of the position before them.
import { AnalysisLevel } from './levels.js';
import { markKind } from './report_marks.js';

export class Report {
  progress = null; // { done, total } while Orvane goes over a game
  #analysis;
  #onProgress;
  #stopped = false;

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
    this.#stopped = false;
    try {
      for (let index = 0; index <= moves.length && !game.isOver; index++) {
        this.progress = { done: index, total: moves.length + 1 };
        this.#onProgress();
        const own = moves[index]?.answer;
        judged[index] =
          own?.level === AnalysisLevel ? own : await this.#analysis.answer(game.upTo(index));
        if (this.#stopped) return null;
        if (index < moves.length) game.play(moves[index]);
      }
    } finally {
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
    this.#stopped = true;
  }
}
