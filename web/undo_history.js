// What Undo and Redo change in the game's tree. Undo takes back the moves played last (against
// Orvane the player's last move and Orvane's answers after it), or, when nothing was played since
// a side line was deleted, puts that line back where it was; Redo does again what Undo undid, in
// turn, as long as the game has not changed otherwise meanwhile.
import { movesToTakeBack } from './players.js';

export class UndoHistory {
  #deleted = []; // side lines deleted, the latest last: { node, index, end }
  #undone = []; // what Undo undid, the latest last: { moves, end } or { deleted }

  // Another game replaced the one these lists were about.
  forget() {
    this.#deleted = [];
    this.#undone = [];
  }

  // A move was played: what Undo undid cannot be done again on top of it.
  played() {
    this.#undone = [];
  }

  // Deletes the side line of `tree` that starts with `node`; returns the number of moves before it.
  deleteLine(tree, node) {
    const index = node.parent.children.indexOf(node);
    tree.remove(node);
    this.#deleted.push({ node, index, end: lineEnd(tree) });
    this.#undone = [];
    return node.path.length - 1;
  }

  // Whether Undo has anything to do in `tree`.
  canUndo(tree) {
    return this.#deletionToUndo(tree) !== undefined || movesToTakeBack(tree.line, tree.players) > 0;
  }

  get canRedo() {
    return this.#undone.length > 0;
  }

  // Undoes the latest change of `tree`: returns { shown } (the moves to show on the current line,
  // null for all of them), or null when there is nothing to undo.
  undo(tree) {
    const deleted = this.#deletionToUndo(tree);
    if (deleted) {
      this.#deleted.pop();
      deleted.node.parent.children.splice(deleted.index, 0, deleted.node);
      tree.select(deleted.node);
      this.#undone.push({ deleted });
      return { shown: null };
    }
    const count = movesToTakeBack(tree.line, tree.players);
    if (count === 0) return null;
    const moves = [];
    for (let index = 0; index < count; index++) moves.unshift(tree.takeBackLast());
    this.#undone.push({ moves, end: lineEnd(tree) });
    return { shown: null };
  }

  // Does again what Undo undid last in `tree`: returns { shown } as undo() does, or null when
  // there is nothing to do again.
  redo(tree) {
    const undone = this.#undone.pop();
    if (!undone) return null;
    if (undone.deleted) {
      const { node } = undone.deleted;
      tree.remove(node);
      this.#deleted.push({ ...undone.deleted, end: lineEnd(tree) });
      return { shown: node.path.length - 1 };
    }
    if (lineEnd(tree) !== undone.end) {
      this.#undone = [];
      return null;
    }
    for (const move of undone.moves) tree.play(tree.line.length, move.x, move.y, move.toJSON());
    return { shown: null };
  }

  // The latest deletion, when the current line of `tree` ends where it ended just after it.
  #deletionToUndo(tree) {
    const deleted = this.#deleted.at(-1);
    return deleted && deleted.end === lineEnd(tree) ? deleted : undefined;
  }
}

function lineEnd(tree) {
  return tree.line.at(-1) ?? tree.root;
}
