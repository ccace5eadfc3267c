// What the board lays over the stones, made from Orvane's answers and the report: a line as
// numbered see-through stones, the heat map of the candidates, a hint or the analysis' move, the
// marks of the report, and the move numbers.
import { otherColour } from './game.js';
import { MarkWords } from './report_marks.js';

// Everything that lies over `position`, the position shown, as BoardView.show takes it:
// - tree, game: the game and the position at the end of its current line;
// - review: where the player looks, with Orvane's line behind one of its moves when it is shown;
// - hint: a cell suggested for the player at the end of the line, or null;
// - answer: the analysis' answer for `position`, or null; analysisLine: whether its line shows;
// - settings: the player's settings (heatMap, numbers).
export function boardOverlays({
  position,
  tree,
  game,
  review,
  hint,
  answer,
  analysisLine,
  settings,
}) {
  const lineMove = review.line ? tree.line[review.line.move] : null;
  let ghosts = [];
  if (lineMove) {
    const colour = game.colourOfMove(review.line.move);
    ghosts = lineGhosts(lineMove.answer.line, colour, review.line.step);
  } else if (answer && analysisLine) {
    ghosts = lineGhosts(answer.line, position.colourToMove);
  }
  // The candidates of the analysis, or of the move in focus: the one whose line is shown, or else
  // Orvane's last move on the board.
  const focus = lineMove ?? tree.line.slice(0, review.shown).findLast((move) => move.answer);
  const candidates = answer?.candidates ?? focus?.answer.candidates ?? [];
  // The analysis' move is ringed, unless its line shows it already as stone 1.
  const suggestion = answer &&
    ghosts.length === 0 && { x: answer.x, y: answer.y, label: "Orvane's move in the analysis" };
  return {
    ghosts,
    heat: settings.heatMap ? heatCells(candidates) : [],
    hint: review.isLive && hint ? hint : (suggestion ?? null),
    marks: reportMarks(position),
    // While a line is shown, its numbers are the only ones on the board.
    numbers: settings.numbers && ghosts.length === 0,
  };
}

// The first `step` stones of `line` as see-through stones, numbered from 1, the first of `colour`
// and then the sides in turn.
function lineGhosts(line, colour, step = line.length) {
  const colours = [colour, otherColour(colour)];
  return line
    .slice(0, step)
    .map(({ x, y }, index) => ({ x, y, colour: colours[index % 2], number: index + 1 }));
}

// The candidates Orvane weighed as a heat map: the warmest is the highest total.
function heatCells(candidates) {
  if (candidates.length === 0) return [];
  const totals = candidates.map(({ total }) => total);
  const [low, high] = [Math.min(...totals), Math.max(...totals)];
  return candidates.map(({ x, y, total }) => ({
    x,
    y,
    total,
    strength: high === low ? 1 : 0.2 + (0.8 * (total - low)) / (high - low),
  }));
}

// The report's mark on the last move of `game`, and the cell that would have been better.
function reportMarks(game) {
  const mark = game.lastMove?.mark;
  if (!mark) return [];
  const { x, y } = game.lastMove;
  const marks = [{ x, y, kind: 'marked', label: `marked: ${MarkWords[mark.kind]}` }];
  if (mark.better) marks.push({ ...mark.better, kind: 'better', label: 'the better cell' });
  return marks;
}
