// Orvane's answer for a position, in a player's words and in its raw figures.
import { Strong } from './levels.js';

const VerdictWords = {
  won: 'sees a win',
  'likely won': 'likely winning',
  undecided: 'open position',
  'likely lost': 'likely losing',
  lost: 'sees a loss',
};

// What Orvane saw in `position` (a Game, its side to move the side Orvane answered for). Behind a
// won verdict of the classic search, its line ends on the stone that wins: a five, a straight four
// (two cells make five: the five comes one move later) or a double threat, whose five is further
// off and not counted. The strong search counts the moves to the five itself.
export function verdictWords(answer, position) {
  if (answer.depth === 0) return 'opening move, no search';
  if (isStrong(answer)) return strongWords(answer, position);
  const distance = answer.verdict === 'won' ? winDistance(position, answer.line) : null;
  if (!distance) return VerdictWords[answer.verdict] ?? answer.verdict;
  const moves = `${distance.moves} ${distance.moves === 1 ? 'move' : 'moves'}`;
  return distance.toFive ? `sees a win in ${moves}` : `sees a winning threat in ${moves}`;
}

// The strong search's verdict: a proven win or loss counted to the move that makes five (the
// winner's moves, this one or the other side's next one counting 1), else its evaluation for the
// side to move.
function strongWords({ verdict, movesToFive, evaluation }, position) {
  if (verdict === 'won')
    return movesToFive === 1
      ? 'sees a win: this move makes five'
      : `sees a win in ${movesToFive} moves, the last making five`;
  if (verdict === 'lost')
    return movesToFive === 1
      ? 'sees a loss: the other side makes five next move'
      : `sees a loss: the other side makes five in ${movesToFive} of its moves`;
  return `open position, evaluation ${signed(evaluation)} for ${position.colourToMove}`;
}

// Whether `answer` comes from the strong search, which tells a count of moves or an evaluation.
function isStrong(answer) {
  return answer.movesToFive !== undefined || answer.evaluation !== undefined;
}

function signed(value) {
  return value > 0 ? `+${value}` : String(value);
}

// How many of its own moves the side to move in `position` plays along `line` to make five:
// { moves, toFive }, where toFive tells whether the count reaches the five itself (the line ends in
// a five or a straight four) or only the threat that wins; null when the line cannot be played.
function winDistance(position, line) {
  const mover = position.colourToMove;
  const game = position.upTo(position.moves.length);
  for (const { x, y } of line) {
    if (!game.isEmpty(x, y) || game.winner !== null) return null;
    game.play({ x, y });
  }
  const moves = Math.ceil(line.length / 2);
  if (game.winner === mover) return { moves, toFive: true };
  if (line.length % 2 === 1 && game.fiveCells(mover).length >= 2)
    return { moves: moves + 1, toFive: true };
  return { moves, toFive: false };
}

// The brain's own figures: depth, nodes, the classic search's root verdict or the strong search's
// value, and time; `milliseconds`, when known, is how long the move took, as the page measured it.
export function figures(answer, milliseconds) {
  if (answer.depth === 0) return 'drawn without a search';
  const nodes = `${answer.nodes.toLocaleString('en')} ${answer.nodes === 1 ? 'node' : 'nodes'}`;
  const time = timeFigure(answer, milliseconds);
  return `depth ${answer.depth} · ${nodes} · ${valueFigure(answer)} · ${time}`;
}

// The time of a search. The strong search's answer gives the time spent as its seconds and its
// last finished depth's time as depthSeconds (an answer saved before gave only the depth's time):
// the time spent is shown, as the page measured it when it did (the time its records keep), and
// the last depth's time apart when it is shorter.
function timeFigure({ level, seconds, depthSeconds }, milliseconds) {
  if (level !== Strong) return `${seconds} s`;
  const depth = depthSeconds ?? seconds;
  const spent = milliseconds !== undefined ? milliseconds / 1000 : seconds;
  if (spent - depth < 0.01) return `${depth.toFixed(2)} s`;
  return `${spent.toFixed(2)} s, its last depth ${depth.toFixed(2)} s`;
}

function valueFigure(answer) {
  if (!isStrong(answer)) return `root verdict ${answer.verdict}`;
  return answer.evaluation !== undefined
    ? `eval ${answer.evaluation}`
    : `${answer.verdict} in ${answer.movesToFive}`;
}

// Why a move was searched less deeply than its level asks, or '' when it was not; `position` is the
// position it was searched in. The brain's budget keeps the search to 6 plies while 4 stones or
// fewer stand on the board, and to 2 plies on a crowded board, where the moves the brain would
// still make if the board were filled (half the empty cells) are a sixth of its cells or fewer
// (on 20 × 20 from 268 stones on).
export function depthNote(answer, position) {
  if (answer.depth === 0 || answer.level === Strong || answer.depth >= answer.level) return '';
  const cells = position.colours.length;
  const movesLeft = Math.floor((cells + 1 - position.stoneCount) / 2);
  if (position.stoneCount <= 4)
    return `searched ${answer.depth} plies, not ${answer.level}: early in the game Orvane looks at most 6 plies ahead`;
  if (Math.floor(cells / movesLeft) >= 6)
    return `searched ${answer.depth} plies, not ${answer.level}: on a crowded board Orvane looks 2 plies ahead`;
  return `searched ${answer.depth} plies, not ${answer.level}`;
}
