// The marks of the report after a game: where Orvane's verdict turned. Each position of the game is
// judged for the side to move; a move is marked when the verdict of its side before it and that of
// the other side after it tell that it threw something away.

// The kinds of mark, most serious first, and how the page and the records say them.
export const MarkWords = {
  'missed-win': 'a win let go',
  losing: 'the move that lost',
  'advantage-lost': 'the advantage passed to the other side',
};
export const MarkKinds = Object.keys(MarkWords);

// The mark on a move, or null: `before` is the verdict for the side that moved, in the position
// before its move; `after` the verdict for the other side, after it (verdicts as the brain gives
// them: 'won', 'likely won', 'undecided', 'likely lost', 'lost').
// - A win let go: the mover had a won position, and after its move the other side is no longer
//   seen to be losing (a 'likely lost' there may be a win the search did not see to the end).
// - The move that lost: the mover was not lost, and after its move the other side has a win.
// - The advantage passed: the mover was likely winning, and after its move the other side is.
export function markKind(before, after) {
  if (before === 'won' && ['undecided', 'likely won', 'won'].includes(after)) return 'missed-win';
  if (before !== 'lost' && after === 'won') return 'losing';
  if (before === 'likely won' && after === 'likely won') return 'advantage-lost';
  return null;
}
