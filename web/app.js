// The page's controller: the settings, the buttons, the status line and the analysis list, and
// the exchange of moves with the brain in its worker.
import { BoardView } from './board_view.js';
import { BrainClient } from './brain_client.js';
import { Brain, Game, Human } from './game.js';

const page = {
  board: document.getElementById('board'),
  status: document.getElementById('status'),
  firstPlayer: document.getElementById('first-player'),
  thinkingTime: document.getElementById('thinking-time'),
  newGame: document.getElementById('new-game'),
  undo: document.getElementById('undo'),
  analysis: document.getElementById('analysis'),
};

const brain = new BrainClient();
const view = new BoardView(page.board, playHumanMove);
let game = new Game(Human);
let waitingFor = null; // what the brain is doing while the page waits for it, shown with a spinner
let problem = null; // the last thing that went wrong with the brain, shown until the next move

page.newGame.addEventListener('click', startGame);
page.undo.addEventListener('click', undoTurn);

startGame();

async function startGame() {
  if (waitingFor) return;
  game = new Game(page.firstPlayer.value === 'brain' ? Brain : Human);
  problem = null;
  const replies = await exchange(['START 20'], 'Setting up the board…');
  if (replies?.[0][0] !== 'OK') return;
  if (game.playerToMove === Brain) await askBrain('BEGIN');
  show();
}

async function playHumanMove(x, y) {
  if (waitingFor || game.isOver || game.playerToMove !== Human || !game.isEmpty(x, y)) return;
  problem = null;
  game.play(x, y, false);
  if (!game.isOver) await askBrain(`TURN ${x},${y}`);
  show();
}

// Sends a move request (BEGIN, or TURN with the player's stone) and plays the brain's answer.
async function askBrain(request) {
  const thinkingMilliseconds = Number(page.thinkingTime.value) * 1000;
  const replies = await exchange(
    [`INFO timeout_turn ${thinkingMilliseconds}`, request],
    'Orvane is thinking…',
  );
  if (replies === null) return;
  const lines = replies.at(-1);
  const answer = lines.at(-1)?.match(/^(\d+),(\d+)$/);
  if (!answer) {
    // The brain refused the request and kept its position: the page takes the player's stone back.
    problem = `Orvane could not answer: ${lines.join(' ') || 'no reply'}`;
    if (request.startsWith('TURN')) game.takeBackLast();
    return;
  }
  if (request.startsWith('TURN')) game.lastMove.brainKnows = true;
  const [x, y] = [Number(answer[1]), Number(answer[2])];
  if (!game.isEmpty(x, y)) {
    problem = `Orvane answered ${x},${y}, which is not an empty cell`;
    console.error(problem);
    return;
  }
  game.play(x, y, true);
  const message = lines.find((line) => line.startsWith('MESSAGE '));
  game.lastMove.analysis = message ? message.slice('MESSAGE '.length) : 'opening move, no search';
}

// Takes back the player's last move and the brain's answer to it.
async function undoTurn() {
  if (waitingFor || !game.moves.some((move) => move.player === Human)) return;
  problem = null;
  const taken = [];
  if (game.lastMove.player === Brain) taken.push(game.takeBackLast());
  taken.push(game.takeBackLast());
  const takebacks = taken
    .filter((move) => move.brainKnows)
    .map((move) => `TAKEBACK ${move.x},${move.y}`);
  if (takebacks.length > 0) await exchange(takebacks, 'Taking back…');
  show();
}

// Sends commands to the brain, with `waitingText` shown and the board and buttons still
// meanwhile; the replies, or null when the brain failed.
async function exchange(commands, waitingText) {
  waitingFor = waitingText;
  show();
  try {
    return await brain.send(commands);
  } catch (error) {
    problem = `The brain failed: ${error.message}`;
    console.error(problem);
    return null;
  } finally {
    waitingFor = null;
    show();
  }
}

function show() {
  view.show(game, { humanMayPlay: !waitingFor && !game.isOver && game.playerToMove === Human });
  page.board.dataset.humanColour = game.colourOf(Human);
  page.status.classList.toggle('busy', waitingFor !== null);
  page.status.dataset.winner = game.winner ?? '';
  page.status.textContent = statusText();
  page.newGame.disabled = waitingFor !== null;
  page.undo.disabled = waitingFor !== null || !game.moves.some((move) => move.player === Human);
  showAnalysis();
}

function statusText() {
  if (waitingFor) return waitingFor;
  if (problem) return problem;
  if (game.winner === Human) return 'You win: five in a row!';
  if (game.winner === Brain) return 'Orvane wins: five in a row.';
  if (game.isOver) return 'Draw: the board is full.';
  return `Your move, you play ${game.colourOf(Human)}.`;
}

function showAnalysis() {
  const entries = game.moves
    .map((move, index) => ({ ...move, number: index + 1 }))
    .filter((move) => move.player === Brain)
    .reverse()
    .map((move) => {
      const item = document.createElement('li');
      const heading = document.createElement('span');
      heading.className = 'move';
      heading.textContent = `${move.number}. Orvane ${move.x},${move.y}`;
      const detail = document.createElement('span');
      detail.className = 'detail';
      detail.textContent = move.analysis;
      item.append(heading, detail);
      return item;
    });
  page.analysis.replaceChildren(...entries);
}
