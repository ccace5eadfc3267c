// What the status line says: the brain's state, the question it works on, the last action's
// outcome, where the player is looking, or how the game stands and whose move it is.
import { Brain, modeOf } from './players.js';

// How a finished game ended: `game` is the position at its end, `players` who played it.
export function resultText(game, players) {
  if (game.winner === null) return 'Draw: the board is full.';
  if (game.lastMove.fromRecord || modeOf(players) !== 'orvane')
    return `${capitalised(game.winner)} wins: five in a row.`;
  return players[game.winner] === Brain ? 'Orvane wins: five in a row.' : 'You win: five in a row!';
}

// The status for the page as it stands: `brain` (its state and problem), `waiting` (the question
// the brain works on, or null), `message` (the last action's outcome, or ''), `editing`, `review`,
// `game` (the current line's end) and `players`, and whether Orvane plays itself at the moment.
export function statusText({ brain, waiting, message, editing, review, game, players, running }) {
  if (brain.state === 'loading') return 'Loading the brain…';
  if (waiting) return waiting.text;
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
