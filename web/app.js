// The page's controller: the game in progress and its keeping, the settings and buttons, the
// status line and the announcements, review, hints, records and links, and the questions to the
// brain. Every question carries the whole position, so nothing has to be kept in step with the
// brain: a reload, a new worker or a hint needs no extra bookkeeping.
import { depthNote, figures, verdictWords } from './analysis_words.js';
import { BoardView } from './board_view.js';
import { BrainClient, BrainFailure } from './brain_client.js';
import { Brain, Game, Human } from './game.js';
import { DefaultLevel, levelOf } from './levels.js';
import { MoveList } from './move_list.js';
import { readLink, readRecord, writeLink, writePsq, writeSgf } from './records.js';
import { Review } from './review.js';
import * as storage from './storage.js';

const page = Object.fromEntries(
  [
    'board',
    'status',
    'try-again',
    'announcer',
    'level',
    'first-player',
    'level-note',
    'new-game',
    'undo',
    'hint',
    'to-start',
    'back',
    'review-position',
    'forward',
    'to-end',
    'line-view',
    'line-caption',
    'line-back',
    'line-position',
    'line-forward',
    'line-close',
    'move-list',
    'numbers',
    'heat-map',
    'save-psq',
    'save-sgf',
    'open-record',
    'record-file',
    'copy-link',
    'link',
  ].map((id) => [
    id.replace(/-(.)/g, (_, letter) => letter.toUpperCase()),
    document.getElementById(id),
  ]),
);

const keptSettings = storage.loadSettings();
const settings = {
  level: levelOf(keptSettings.level ?? DefaultLevel),
  firstPlayer: keptSettings.firstPlayer === Brain ? Brain : Human,
  numbers: keptSettings.numbers === true,
  heatMap: keptSettings.heatMap === true,
};
const brain = new BrainClient(show);
const review = new Review();
const view = new BoardView(page.board, {
  onPlay: playerPlays,
  onPending: (x, y) => {
    announce(`${x},${y}: tap it again to play there.`);
    show();
  },
});
const moveList = new MoveList(page.moveList, { onSelect: reviewTo, onLine: toggleLine });

let game = new Game(settings.firstPlayer);
let previousGame = null; // the game that "New game" or an opened record replaced, for Undo
let changes = 0; // counts changes of the game, so that an answer to an older position is dropped
let waiting = null; // { text, request } while the brain works on a question
let hint = null; // { x, y } suggested for the player, until the game changes
let message = ''; // what the status says about the last action, until the next

start();

async function start() {
  // Opened as a file, the page cannot load its brain: the page itself says how to serve it.
  if (location.protocol === 'file:') return;
  document.body.dataset.started = 'yes';
  page.level.value = String(settings.level);
  page.firstPlayer.value = settings.firstPlayer;
  page.numbers.checked = settings.numbers;
  page.heatMap.checked = settings.heatMap;
  connectControls();

  const keptGame = storage.loadGame();
  if (keptGame instanceof Error) message = `A new game: ${keptGame.message}.`;
  else if (keptGame) game = keptGame;
  const previous = storage.loadPreviousGame();
  previousGame = previous instanceof Game ? previous : null;
  openLink();
  review.follow(game.moves.length);
  show();

  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('service_worker.js').catch((error) => {
      console.warn(`The page will not work offline: ${error.message}`);
    });
  }
  await brain.load();
  if (brain.state === 'failed') announce(brain.problem);
  continueGame();
}

function connectControls() {
  page.level.addEventListener('change', () => saveSetting('level', levelOf(page.level.value)));
  page.firstPlayer.addEventListener('change', () =>
    saveSetting('firstPlayer', page.firstPlayer.value),
  );
  page.numbers.addEventListener('change', () => saveSetting('numbers', page.numbers.checked));
  page.heatMap.addEventListener('change', () => saveSetting('heatMap', page.heatMap.checked));
  page.newGame.addEventListener('click', newGame);
  page.undo.addEventListener('click', undo);
  page.hint.addEventListener('click', askForHint);
  page.tryAgain.addEventListener('click', tryAgain);
  page.toStart.addEventListener('click', () => reviewTo(0));
  page.back.addEventListener('click', () => reviewBy(-1));
  page.forward.addEventListener('click', () => reviewBy(1));
  page.toEnd.addEventListener('click', () => reviewTo(Infinity));
  page.lineBack.addEventListener('click', () => stepLine(-1));
  page.lineForward.addEventListener('click', () => stepLine(1));
  page.lineClose.addEventListener('click', () => toggleLine(review.line.move));
  page.savePsq.addEventListener('click', () => saveRecord('psq'));
  page.saveSgf.addEventListener('click', () => saveRecord('sgf'));
  page.openRecord.addEventListener('click', () => page.recordFile.click());
  page.recordFile.addEventListener('change', openRecordFile);
  page.copyLink.addEventListener('click', copyLink);
  window.addEventListener('hashchange', () => {
    openLink();
    continueGame();
  });
  document.addEventListener('keydown', reviewKey);
}

function saveSetting(name, value) {
  settings[name] = value;
  storage.saveSettings(settings);
  show();
}

// The game changed: keep it, drop what belonged to the old position, follow it on the board.
function gameChanged({ keepReviewPlace = false } = {}) {
  changes++;
  hint = null;
  storage.saveGame(game);
  review.follow(game.moves.length, { keepPlace: keepReviewPlace });
}

function replaceGame(newGame) {
  if (game.moves.length > 0) {
    previousGame = game;
    storage.savePreviousGame(game);
  }
  game = newGame;
  gameChanged();
}

function playerPlays(x, y) {
  if (!review.isLive) {
    message = 'You are looking back at the game: go to its last move (End) to play on.';
    announce(message);
  } else if (brain.state !== 'ready' || waiting || game.isOver || game.playerToMove !== Human) {
    return;
  } else if (!game.isEmpty(x, y)) {
    announce(`${x},${y} is taken.`);
    return;
  } else {
    message = '';
    game.play(x, y);
    gameChanged();
    if (game.isOver) announce(resultText());
    continueGame();
  }
  show();
}

// Asks the brain for its move whenever it is Orvane's turn in the game as it stands.
async function continueGame() {
  if (brain.state !== 'ready' || waiting || game.isOver || game.playerToMove !== Brain) return;
  const answer = await ask('Orvane is thinking…', game.moveText);
  if (!answer) return;
  if (!game.isEmpty(answer.x, answer.y)) {
    message = `Orvane answered ${answer.x},${answer.y}, which is not an empty cell.`;
    console.error(message);
  } else {
    game.play(answer.x, answer.y, answer);
    gameChanged({ keepReviewPlace: true });
    announce(`Orvane plays ${answer.x},${answer.y}.${game.isOver ? ` ${resultText()}` : ''}`);
  }
  show();
}

async function askForHint() {
  if (!mayPlay()) return;
  const answer = await ask('Orvane is looking for a move for you…', game.stonesSeenBy(Human));
  if (!answer) return;
  hint = { x: answer.x, y: answer.y };
  message = `Hint: Orvane would play ${answer.x},${answer.y} for you (${verdictWords({ answer }, false)}).`;
  announce(message);
  show();
}

// The brain's answer for `position`, with the level it was asked at; null when the game changed
// meanwhile (the game as it now stands is taken up instead) or the brain failed (the status then
// says so, with "Try again").
async function ask(text, position) {
  const asked = changes;
  const level = levelOf(settings.level);
  const request = {};
  waiting = { text, request };
  show();
  try {
    const answer = await brain.move(position, { level });
    return asked === changes ? { ...answer, level } : null;
  } catch (error) {
    if (!(error instanceof BrainFailure)) throw error;
    announce(error.message);
    return null;
  } finally {
    if (waiting?.request === request) waiting = null;
    show();
    if (asked !== changes) continueGame();
  }
}

async function tryAgain() {
  message = '';
  await brain.load();
  if (brain.state === 'failed') announce(brain.problem);
  continueGame();
}

function newGame() {
  replaceGame(new Game(settings.firstPlayer));
  message = previousGame ? 'A new game. Undo brings back the game before.' : '';
  show();
  continueGame();
}

// Takes back the player's last move and Orvane's answer to it; with no move of the player's left,
// brings back the game that "New game" or an opened record replaced.
function undo() {
  message = '';
  if (game.moves.some((move) => move.player === Human)) {
    if (game.lastMove.player === Brain) game.takeBackLast();
    game.takeBackLast();
    gameChanged();
  } else if (previousGame) {
    game = previousGame;
    previousGame = null;
    storage.savePreviousGame(null);
    gameChanged();
    announce('The game before was brought back.');
  }
  show();
  continueGame();
}

function reviewTo(count) {
  message = '';
  review.goTo(count);
  show();
}

function reviewBy(delta) {
  message = '';
  review.step(delta);
  show();
}

function toggleLine(index) {
  message = '';
  if (review.line?.move === index) review.closeLine();
  else review.showLine(index, game.moves[index].answer.line.length);
  show();
}

function stepLine(delta) {
  review.stepLine(delta);
  show();
}

// ← and → step through the game, Home and End go to its ends, wherever the focus is but on the
// board (where the arrows move the cursor) and in fields that use them.
function reviewKey(event) {
  if (
    event.target.closest?.('#board, input, select, textarea') ||
    event.altKey ||
    event.ctrlKey ||
    event.metaKey
  )
    return;
  const moves = {
    ArrowLeft: () => reviewBy(-1),
    ArrowRight: () => reviewBy(1),
    Home: () => reviewTo(0),
    End: () => reviewTo(Infinity),
  };
  if (!moves[event.key]) return;
  event.preventDefault();
  moves[event.key]();
}

// A game from a record or a link: the player takes the side to move.
function gameFromCells(cells) {
  const opened = Game.replay(cells, cells.length % 2 === 0 ? Human : Brain);
  opened.recordMoves = cells.length;
  return opened;
}

// What an opened game's status says: how many moves, and how it stands.
function openedText(cells) {
  const ending = game.isOver ? ` ${resultText()}` : ' You play the side to move.';
  return `${cells.length} moves.${ending}`;
}

function openLink() {
  let cells;
  try {
    cells = readLink(decodeURIComponent(location.hash.slice(1)));
  } catch (error) {
    cells = error;
  }
  if (cells === null) return;
  // Opened once: a reload goes on with the game as it is kept, not the link's.
  history.replaceState(null, '', location.pathname + location.search);
  if (cells instanceof Error) {
    message = `The link's game could not be opened. ${cells.message}`;
  } else {
    replaceGame(gameFromCells(cells));
    message = `The game from the link: ${openedText(cells)}`;
  }
  announce(message);
  show();
}

async function openRecordFile() {
  const file = page.recordFile.files[0];
  page.recordFile.value = '';
  if (!file) return;
  try {
    const record = readRecord(await file.text());
    replaceGame(gameFromCells(record.cells));
    const others = record.gameCount > 1 ? ` (the first of its ${record.gameCount} games)` : '';
    message = `Opened ${file.name}${others}: ${openedText(record.cells)}`;
  } catch (error) {
    message = `${file.name} was not opened. ${error.message}`;
  }
  announce(message);
  show();
  continueGame();
}

function saveRecord(format) {
  const names =
    game.colourOf(Human) === 'black'
      ? { black: 'You', white: 'Orvane' }
      : { black: 'Orvane', white: 'You' };
  const stamp = new Date();
  const answerOf = (index) => game.moves[index].answer;
  const text =
    format === 'psq'
      ? writePsq(game.moves, {
          ...names,
          milliseconds: (index) => Math.round((answerOf(index)?.seconds ?? 0) * 1000),
        })
      : writeSgf(game.moves, {
          ...names,
          date: stamp.toISOString().slice(0, 19).replace('T', ' ').replaceAll('-', '.'),
          winner: game.winner === null ? null : game.colourOf(game.winner),
          comment: (index) => (answerOf(index) ? figures(game.moves[index]) : ''),
        });
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
  link.download = `orvane-${stamp.toISOString().slice(0, 16).replace(/[-:]/g, '').replace('T', '-')}.${format}`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

async function copyLink() {
  try {
    await navigator.clipboard.writeText(page.link.value);
    message = 'The link is copied.';
  } catch {
    page.link.select();
    message = 'The link is selected: copy it from the field.';
  }
  announce(message);
  show();
}

function mayPlay() {
  return (
    review.isLive &&
    brain.state === 'ready' &&
    !waiting &&
    !game.isOver &&
    game.playerToMove === Human
  );
}

function resultText() {
  if (game.wonInRecord) return `${capitalised(game.colourOf(game.winner))} wins: five in a row.`;
  if (game.winner === Human) return 'You win: five in a row!';
  if (game.winner === Brain) return 'Orvane wins: five in a row.';
  return 'Draw: the board is full.';
}

function statusText() {
  if (brain.state === 'loading') return 'Loading the brain…';
  if (waiting) return waiting.text;
  if (brain.state === 'failed')
    return `${brain.problem} The board takes no moves until the brain is back.`;
  if (message) return message;
  if (review.line)
    return `Orvane's line for move ${review.line.move + 1}, shown on the position before it.`;
  if (!review.isLive)
    return `Move ${review.shown} of ${review.total}: go to the last move (End) to play on.`;
  if (game.isOver) return resultText();
  return `Your move, you play ${game.colourOf(Human)}.`;
}

function capitalised(word) {
  return word[0].toUpperCase() + word.slice(1);
}

// Speaks `text` through the live region; emptied first, so that the same words are heard again.
function announce(text) {
  page.announcer.textContent = '';
  setTimeout(() => {
    page.announcer.textContent = text;
  }, 50);
}

function show() {
  const shown = review.isLive ? game : game.upTo(review.shown);
  const canPlay = mayPlay();
  view.show(shown, {
    playable: (x, y) => canPlay && game.isEmpty(x, y),
    hint: review.isLive ? hint : null,
    ghosts: lineGhosts(),
    heat: settings.heatMap ? heatCells() : [],
    // While Orvane's line is shown, its numbers are the only ones on the board.
    numbers: settings.numbers && !review.line,
  });
  page.board.dataset.humanColour = game.colourOf(Human);
  page.board.classList.toggle('waiting', !canPlay);

  const busy = brain.state === 'loading' || waiting !== null;
  page.status.classList.toggle('busy', busy);
  page.status.dataset.winner =
    review.isLive && !busy && !game.wonInRecord ? (game.winner ?? '') : '';
  page.status.textContent = statusText();
  page.tryAgain.hidden = brain.state !== 'failed';
  page.undo.disabled = !game.moves.some((move) => move.player === Human) && !previousGame;
  page.hint.disabled = !canPlay;

  page.toStart.disabled = page.back.disabled = review.shown === 0 && !review.line;
  page.forward.disabled = page.toEnd.disabled = review.isLive;
  page.reviewPosition.textContent = `${review.shown} / ${review.total}`;
  page.lineView.hidden = review.line === null;
  if (review.line) {
    const move = game.moves[review.line.move];
    page.lineCaption.textContent = `Orvane's line for move ${review.line.move + 1} (${move.x},${move.y}): ${verdictWords(move, false)}.`;
    page.linePosition.textContent = `${review.line.step} / ${review.line.length}`;
  }
  moveList.show(game, review.shown, review.line?.move ?? null);
  showLevelNote();
  page.link.value = `${location.origin}${location.pathname}#${writeLink(game.moves)}`;
}

// Orvane's line, laid on the position before its move: numbered see-through stones, Orvane's
// colour first, then the sides in turn.
function lineGhosts() {
  if (!review.line) return [];
  const move = game.moves[review.line.move];
  const colours = [game.colourOf(Brain), game.colourOf(Human)];
  return move.answer.line
    .slice(0, review.line.step)
    .map(({ x, y }, index) => ({ x, y, colour: colours[index % 2], number: index + 1 }));
}

// The candidates that Orvane weighed for the move in focus: the one whose line is shown, or else
// its last move on the board; the warmest is the highest total.
function heatCells() {
  const upTo = review.line ? review.line.move + 1 : review.shown;
  const move = game.moves.slice(0, upTo).findLast((candidate) => candidate.answer);
  const candidates = move?.answer.candidates ?? [];
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

// Says when the brain's budget searched Orvane's last move less deeply than the level asks.
function showLevelNote() {
  const index = game.moves.findLastIndex((move) => move.answer);
  const note = index < 0 ? '' : depthNote(game.moves[index], index);
  page.levelNote.hidden = note === '';
  page.levelNote.textContent = note ? `Orvane's last move: ${note}.` : '';
}
