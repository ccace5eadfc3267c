// Black's forbidden cells in renju (an overline, a double four, a double three), as the brain finds
// them (the package's forbidden()), for the positions the board shows with black to move: asked
// for once, and kept by position.
import { BrainFailure } from './brain_client.js';
import { boardOption } from './game.js';

export class ForbiddenCells {
  #brain;
  #onChange;
  #known = new Map(); // position key → [{ x, y, reason }]
  #asking = new Map(); // position key → the brain's answer to come

  // `brain`: the BrainClient; `onChange()` hears when a position's cells arrive.
  constructor(brain, onChange) {
    this.#brain = brain;
    this.#onChange = onChange;
  }

  // Whether black's forbidden cells matter in `position`: renju, black to move, the game open.
  static apply(position) {
    return position.rule === 'renju' && position.colourToMove === 'black' && !position.isOver;
  }

  // The forbidden cells of `position` when known ([] where they do not apply), or null while the
  // brain is asked (it is asked now if need be).
  known(position) {
    if (!ForbiddenCells.apply(position)) return [];
    if (!this.#known.has(position.key) && this.#brain.state === 'ready') this.of(position);
    return this.#known.get(position.key) ?? null;
  }

  // The forbidden cells of `position`, asked for unless known; [] where they do not apply. Throws
  // BrainFailure when the brain cannot answer.
  async of(position) {
    if (!ForbiddenCells.apply(position)) return [];
    const key = position.key;
    if (this.#known.has(key)) return this.#known.get(key);
    if (!this.#asking.has(key)) {
      const options = { size: boardOption(position), rule: position.rule };
      const asking = this.#brain
        .forbidden(position.stonesSeenBy('black'), options)
        .then((cells) => {
          this.#known.set(key, cells);
          this.#onChange();
          return cells;
        })
        .catch((error) => {
          if (!(error instanceof BrainFailure)) throw error;
          return [];
        })
        .finally(() => this.#asking.delete(key));
      this.#asking.set(key, asking);
    }
    return this.#asking.get(key);
  }
}
