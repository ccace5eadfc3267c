// The review controls under the board's moves: the steps through the game, Orvane's line behind a
// move with its own steps, and the side line's buttons and words.
import { verdictWords } from './analysis_words.js';
import { cellName } from './coordinates.js';
import { page } from './page_elements.js';

// The move on the board at the end of what `review` shows of `tree`'s current line, or null at the
// start.
export function shownMove(tree, review) {
  return review.shown > 0 ? tree.line[review.shown - 1] : null;
}

// Shows the controls for `review` of `tree`, whose current line ends in `game`; cells named in
// `naming`.
export function showReviewPanel(review, tree, game, naming) {
  page.toStart.disabled = page.back.disabled = review.shown === 0 && !review.line;
  page.forward.disabled = page.toEnd.disabled = review.isLive;
  page.reviewPosition.textContent = `${review.shown} / ${review.total}`;
  page.lineView.hidden = review.line === null;
  if (review.line) {
    const move = tree.line[review.line.move];
    const words = verdictWords(move.answer, game.upTo(review.line.move));
    page.lineCaption.textContent = `Orvane's line for move ${review.line.move + 1} (${cellName(move, naming)}): ${words}.`;
    page.linePosition.textContent = `${review.line.step} / ${review.line.length}`;
  }
  const move = shownMove(tree, review);
  const onSideLine = move !== null && !tree.isOnMainLine(move);
  page.promoteLine.disabled = page.deleteLine.disabled = !onSideLine;
  const branches =
    tree.root.children.length > 1 || tree.line.some((node) => node.children.length > 1);
  page.lineKind.textContent = branches
    ? `You are looking at ${onSideLine ? 'a side line' : 'the main line'}.`
    : '';
  page.lineButtons.hidden = !branches;
}
