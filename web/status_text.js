// What the status line says: the brain's state, the question it works on, the last action's
// outcome, where the player is looking, or how the game stands and whose move it is; and how a
// game ended under its rule, or why a row did not end it.
import { cellName } from './coordinates.js';
import { page } from './page_elements.js';
import { Brain, modeOf } from './players.js';
import { isCaro, isExactFive } from './rules.js';

const ForbiddenReasons = {
  overline: 'an overline',
  'double-four': 'a double four',
  'double-three': 'a double three',
};

// How a finished game ended, in the words of its rule: `game` is the position at its end, `players`
// who played it.
export function resultText(game, players) {
  if (game.winner === null) return 'Draw: the board is full.';
  const exactly = isExactFive(game.rule) || (game.rule === 'renju' && game.winner === 'black');
  const five = `${exactly ? 'exactly five' : 'five'} in a row${isCaro(game.rule) ? ', not closed at both ends' : ''}`;
  if (game.lastMove.fromRecord || modeOf(players) !== 'orvane')
    return `${capitalised(game.winner)} wins: ${five}.`;
  return players[game.winner] === Brain ? `Orvane wins: ${five}.` : `You win: ${five}!`;
}

// What the status says of a game just opened (`what` tells from where, `line` is its current line
// and `game` the position at the line's end): its moves, and how it ended or, against Orvane, that
// the player plays the side to move.
export function openedText(what, line, game, players) {
  const moves = `${line.length} ${line.length === 1 ? 'move' : 'moves'}`;
  const ending = game.isOver ? resultText(game, players) : 'You play the side to move.';
  return `${what}: ${moves}. ${modeOf(players) === 'orvane' || game.isOver ? ending : ''}`.trim();
}

// Why the last move's row of five or more did not win under the game's rule, or ''.
export function noWinText(game) {
  if (game.noWin === 'closed')
    return 'Five closed at both ends by the other side do not win in caro: the game goes on.';
  if (game.noWin === 'overline')
    return game.rule === 'renju'
      ? 'Six or more in a row do not win for black in renju: the game goes on.'
      : 'Six or more in a row do not win under exactly five: the game goes on.';
  return '';
}

// Why black may not play `cell` in renju: `reason` as the brain gives it.
export function forbiddenText(cell, reason, naming) {
  return `${cellName(cell, naming)} is forbidden to black in renju: ${ForbiddenReasons[reason] ?? reason}.`;
}

// Shows the status for the page as it stands, with a spinner while the brain works and the
// winner's colours against Orvane, and "Try again" when the brain failed: `state` is what
// statusText takes.
export function showStatus(state) {
  const { brain, waiting, review, game, players } = state;
  const busy = brain.state === 'loading' || waiting !== null;
  page.status.classList.toggle('busy', busy);
  const won = game.winner && !game.lastMove?.fromRecord && modeOf(players) === 'orvane';
  page.status.dataset.winner = review.isLive && !busy && won ? players[game.winner] : '';
  page.status.textContent = statusText(state);
  page.tryAgain.hidden = brain.state !== 'failed';
}

// The status for the page as it stands: `brain` (its state and problem), `waiting` (the question
// the brain works on, or null), `message` (the last action's outcome, or ''), `editing`, `review`,
// `game` (the current line's end) and `players`, and whether Orvane plays itself at the moment.
function statusText({ brain, waiting, message, editing, review, game, players, running }) {
  if (brain.state === 'loading') return 'Loading the brain…';
  if (waiting) return waitingText(waiting);
  if (brain.state === 'failed')
    return `${brain.problem} The board takes no moves until the brain is back.`;
  if (editing) return 'Setting up a position: touch a cell to put a stone there or take it away.';
  if (message) return message;
  if (review.line)
    return `Orvane's line for move ${review.line.move + 1}, shown on the position before it.`;
  if (!review.isLive)
    return `Move ${review.shown} of ${review.total}: a move played here starts a side line; End goes to the last move.`;
  if (game.isOver) return resultText(game, players);
  const colour = game.colourToMove;
  const forbidden =
    game.rule === 'renju' && colour === 'black' ? " ✕ marks black's forbidden cells." : '';
  return whoseMove(colour, players, running) + forbidden;
}

// What the brain works on: for the strong search, the last depth it finished and the seconds left.
function waitingText({ text, depth, deadline }) {
  if (deadline === undefined) return text;
  const left = Math.max(0, Math.ceil((deadline - performance.now()) / 1000));
  return `${text} ${depth ? `Depth ${depth} searched, ` : ''}${left} s left.`;
}

function whoseMove(colour, players, running) {
  const mode = modeOf(players);
  if (mode === 'twoPlayers') return `${capitalised(colour)} to move.`;
  if (mode === 'selfPlay')
    return running
      ? 'Orvane plays itself: Pause stops it.'
      : `${capitalised(colour)} to move: "Next move" or "Run" lets Orvane play.`;
  return `Your move, you play ${colour}.`;
}

function capitalised(word) {
  return word[0].toUpperCase() + word.slice(1);
}
