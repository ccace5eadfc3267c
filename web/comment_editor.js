// The player's own comment on the move shown, written in the field under the move list: kept with
// the move, shown in the list, and saved in SGF beside a record's own comments.
import { page } from './page_elements.js';

export class CommentEditor {
  #move = null;

  // `onChange()` hears when the comment of a move changed.
  constructor(onChange) {
    page.moveComment.addEventListener('change', () => {
      if (!this.#move) return;
      const text = page.moveComment.value.trim();
      if (text) this.#move.comment = text;
      else delete this.#move.comment;
      onChange();
    });
  }

  // Shows the comment of `move`, the move shown (null at the start: nothing to comment on), unless
  // the player is writing one.
  show(move) {
    this.#move = move;
    page.moveComment.disabled = move === null;
    if (document.activeElement !== page.moveComment) page.moveComment.value = move?.comment ?? '';
  }
}
