// The page's controller: the game with its lines, whose turn it is and the questions to the brain,
// review, Undo, and the way the page's parts work together (the analysis, the report, the board
// editor, Orvane against itself, the records, the library). Every question carries the whole
// position, so nothing has to be kept in step with the brain: a reload, a new worker or a hint
// needs no extra bookkeeping.
import { Analysis } from './analysis.js';
import { showAnalysis, showLevelNote } from './analysis_panel.js';
import { verdictWords } from './analysis_words.js';
import { announce } from './announcer.js';
import { BoardEditor } from './board_editor.js';
import { CommentEditor } from './comment_editor.js';
import { boardOverlays } from './board_overlays.js';
import { BoardView } from './board_view.js';
import { BrainClient } from './brain_client.js';
import { BrainQuestions } from './brain_questions.js';
import { cellName } from './coordinates.js';
import { ForbiddenCells } from './forbidden_cells.js';
import { Game } from './game.js';
import { keepGame } from './library.js';
import { Strong } from './levels.js';
import { LibraryView } from './library_view.js';
import { MoveList } from './move_list.js';
import { gameWords, newGameTree } from './new_game_settings.js';
import { keepForOffline } from './offline.js';
import { page } from './page_elements.js';
import { Brain, Human, modeOf, playersFor } from './players.js';
import { RecordActions } from './record_actions.js';
import { Report } from './report.js';
import { ReportPanel } from './report_panel.js';
import { Review } from './review.js';
import { connectReviewKeys } from './review_keys.js';
import { showReviewPanel, shownMove } from './review_panel.js';
import { SelfPlay } from './self_play.js';
import { connectSettings, reloadSettings, settings, showLevelFields } from './settings.js';
import { forbiddenText, noWinText, openedText, resultText, showStatus } from './status_text.js';
import * as storage from './storage.js';
import { UndoHistory } from './undo_history.js';
import { GameTree } from './variations.js';
import { connectZoom } from './zoom.js';

const brain = new BrainClient(show);
const questions = new BrainQuestions(brain, {
  onChange: show,
  onFailure: announce,
  onDropped: continueGame,
});
const review = new Review();
const view = new BoardView(page.board, {
  onPlay: cellTouched,
  onPending: (x, y) => tell(`${cellName({ x, y }, naming())}: tap it again to play there.`),
});
const moveList = new MoveList(page.moveList, {
  onSelect: reviewTo,
  onLine: toggleLine,
  onSwitch: (node) => {
    tree.select(node);
    gameChanged(node.path.length);
    show();
  },
});
const analysis = new Analysis(brain, show, () => settings.analysisTime);
const forbiddenCells = new ForbiddenCells(brain, show);
const report = new Report(analysis, show);
const reportPanel = new ReportPanel(report, {
  current: () => tree,
  onMarked: (reported) => {
    if (reported === tree) gameChanged(undefined);
    show();
  },
  announce,
});
const editor = new BoardEditor({ onDone: setUpPosition, onChange: show, announce });
const selfPlay = new SelfPlay(continueGame);
const records = new RecordActions({
  current: () => ({ tree, picture: { game: shownGame(), ...overlays(shownGame()) } }),
  onOpen: openGame,
  tell,
});
const library = new LibraryView({ onOpen: openGame, announce });
const history = new UndoHistory();
const comments = new CommentEditor(() => {
  storage.saveGame(tree);
  show();
});

let tree = newGameTree('orvane');
let game = tree.game(); // the position at the end of the current line
let previousTree = null; // the game that "New game", a set-up position or a record replaced
let hint = null; // { x, y } suggested for the player, until the game changes
let message = ''; // what the status says about the last action, until the next
let checkingForbidden = false; // a move of black's in renju waits for its forbidden cells

start();

async function start() {
  // Opened as a file, the page cannot load its brain: the page itself says how to serve it.
  if (location.protocol === 'file:') return;
  document.body.dataset.started = 'yes';
  connectSettings(show);
  connectControls();
  connectZoom();
  const kept = storage.loadGame();
  if (kept instanceof Error) message = `A new game: ${kept.message}.`;
  else if (kept) tree = kept;
  previousTree = storage.loadPreviousGame();
  game = tree.game();
  review.restore(storage.loadReviewPlace(), tree.line.length, (index) =>
    tree.line[index].answer ? tree.line[index].answer.line.length : 0,
  );
  records.openLink();
  storage.handOverOnLeaving();
  storage.followOtherTabs(settingsChangedElsewhere);
  show();

  keepForOffline();
  await brain.load();
  if (brain.state === 'failed') announce(brain.problem);
  continueGame();
}

function connectControls() {
  const steps = {
    toStart: () => reviewTo(0),
    back: () => reviewBy(-1),
    forward: () => reviewBy(1),
    toEnd: () => reviewTo(Infinity),
  };
  connectReviewKeys(steps);
  const clicks = {
    ...steps,
    newGame,
    undo: () => undo(),
    redo: () => undo(true),
    hint: askForHint,
    tryAgain,
    lineBack: () => stepLine(-1),
    lineForward: () => stepLine(1),
    lineClose: () => toggleLine(review.line.move),
    promoteLine,
    deleteLine,
    analyse: () => {
      analysis.toggle();
      show();
    },
    editBoard: () => editor.open(shownGame()),
  };
  for (const [id, action] of Object.entries(clicks)) page[id].addEventListener('click', action);
  page.mode.addEventListener('change', modeChanged);
  page.analysisLine.addEventListener('change', show);
}

function settingsChangedElsewhere() {
  reloadSettings();
  show();
}

// The game's tree changed (or its current line): keep it, drop what belonged to the old position,
// and show `shown` moves of the line (null: the game as it stands; undefined: where the player was
// looking, as far as it still fits).
function gameChanged(shown = null) {
  questions.drop();
  hint = null;
  game = tree.game();
  storage.saveGame(tree);
  review.follow(tree.line.length, { keepPlace: shown === undefined });
  if (shown !== null && shown !== undefined) review.goTo(shown);
  keepGame(tree, (kept) => {
    if (kept === tree) storage.saveGame(tree);
    library.refresh();
  });
}

function replaceGame(newTree) {
  if (tree.root.children.length > 0 || tree.game(0).stoneCount > 0) {
    previousTree = tree;
    storage.savePreviousGame(tree);
  }
  tree = newTree;
  selfPlay.stop();
  history.forget();
  gameChanged();
}

// Where the player is looking: the position after `review.shown` moves of the current line.
function shownGame() {
  return review.isLive ? game : game.upTo(review.shown);
}

// Whether the player may play on `position`, the position shown: while looking back any side may
// start a side line; at the end of the line only a side that a person plays.
function mayPlayOn(position) {
  // Renju's forbidden cells are the brain's to find.
  const brainNeeded = modeOf(tree.players) !== 'twoPlayers' || position.rule === 'renju';
  const busy = editor.isOpen || questions.waiting || position.isOver;
  if (busy || (brainNeeded && brain.state !== 'ready')) return false;
  return !review.isLive || tree.players[position.colourToMove] === Human;
}

async function cellTouched(x, y) {
  if (editor.isOpen) {
    editor.touch(x, y, naming());
    return;
  }
  const position = shownGame();
  if (!mayPlayOn(position) || checkingForbidden) return;
  if (!position.isEmpty(x, y)) {
    announce(`${cellName({ x, y }, naming())} is taken.`);
    return;
  }
  // In renju black's move is checked first: a forbidden cell is refused with its reason.
  if (ForbiddenCells.apply(position)) {
    checkingForbidden = true;
    const cells = await forbiddenCells.of(position).finally(() => (checkingForbidden = false));
    const forbidden = cells.find((cell) => cell.x === x && cell.y === y);
    if (shownGame().key !== position.key) return;
    if (forbidden) return tell(forbiddenText({ x, y }, forbidden.reason, naming()));
  }
  message = '';
  history.played();
  const node = tree.play(review.shown, x, y);
  gameChanged(node.path.length === tree.line.length ? null : node.path.length);
  announceOutcome('');
  show();
  continueGame();
}

// Tells how the move just played at the end of the line stands: `words` (what was played), then
// the result, or why a row of five or more did not win.
function announceOutcome(words) {
  if (!review.isLive) return announce(words);
  const outcome = game.isOver ? resultText(game, tree.players) : noWinText(game);
  if (game.noWin) message = outcome;
  announce([words, outcome].filter(Boolean).join(' '));
}

// Whether it is Orvane's turn at the end of the current line (when it plays itself, at the
// player's word).
function orvaneMayMove() {
  const selfPlaying = modeOf(tree.players) === 'selfPlay';
  return (
    !game.isOver && tree.players[game.colourToMove] === Brain && (!selfPlaying || selfPlay.mayMove)
  );
}

// Asks the brain for Orvane's move whenever it may move.
async function continueGame() {
  const busy = questions.waiting || editor.isOpen;
  if (brain.state !== 'ready' || busy || !orvaneMayMove()) return;
  const colour = game.colourToMove;
  const selfPlaying = modeOf(tree.players) === 'selfPlay';
  // Orvane playing itself moves on from what the status said before (such as "A new game").
  if (selfPlaying) {
    selfPlay.moving();
    message = '';
  }
  const level = selfPlaying ? settings[`${colour}Level`] : settings.level;
  const thinking = selfPlaying ? `Orvane thinks for ${colour}…` : 'Orvane is thinking…';
  const answer = await questions.ask(thinking, game, { level, seconds: settings.thinkingTime });
  if (!answer) return;
  if (!game.isEmpty(answer.x, answer.y)) {
    message = `Orvane answered ${answer.x},${answer.y}, which is not an empty cell.`;
    console.error(message);
  } else {
    const { milliseconds, ...kept } = answer;
    history.played();
    tree.play(tree.line.length, answer.x, answer.y, { answer: kept, milliseconds });
    gameChanged(undefined);
    announceOutcome(`Orvane plays ${cellName(answer, naming())}.`);
    if (selfPlaying) selfPlay.moved(game.isOver);
  }
  show();
}

async function askForHint() {
  if (!mayAskForHint()) return;
  const position = game;
  const search = { level: Strong, seconds: settings.analysisTime };
  const answer = await questions.ask('Orvane is looking for a move for you…', position, search);
  if (!answer) return;
  hint = { x: answer.x, y: answer.y, label: 'hint' };
  message = `Hint: Orvane would play ${cellName(answer, naming())} for you (${verdictWords(answer, position)}).`;
  announce(message);
  show();
}

function mayAskForHint() {
  return review.isLive && mayPlayOn(game);
}

async function tryAgain() {
  message = '';
  await brain.load();
  if (brain.state === 'failed') announce(brain.problem);
  continueGame();
}

function newGame() {
  replaceGame(newGameTree(page.mode.value));
  message = previousTree ? 'A new game. Undo brings back the game before.' : '';
  show();
  continueGame();
}

// Who plays changes at once, in the game as it stands: against Orvane, the player takes the side
// to move.
function modeChanged() {
  tree.players = playersFor(page.mode.value, game.colourToMove);
  selfPlay.stop();
  gameChanged(undefined);
  message = '';
  show();
  continueGame();
}

// Takes back the player's last move and Orvane's answer to it (or, without Orvane, the last move),
// or puts back the side line deleted last; with nothing of that left, brings back the game that
// "New game", a set-up position or an opened record replaced. `again`: Redo, which does again what
// Undo undid last.
function undo(again = false) {
  message = '';
  selfPlay.stop();
  const changed = again ? history.redo(tree) : history.undo(tree);
  if (changed) gameChanged(changed.shown);
  else if (previousTree && !again) {
    tree = previousTree;
    previousTree = null;
    history.forget();
    storage.savePreviousGame(null);
    gameChanged();
    announce('The game before was brought back.');
  }
  show();
  continueGame();
}

// The game of a record, a link or the library replaces the game; from a record or a link the player
// takes the side to move.
function openGame(opened, what) {
  if (opened.libraryId === null)
    opened.players = playersFor(page.mode.value, opened.game().colourToMove);
  replaceGame(opened);
  tell(openedText(what, tree.line, game, tree.players));
  continueGame();
}

// A position set up in the editor: a new game from it, in which the player takes the side to move.
function setUpPosition(start) {
  replaceGame(new GameTree({ start, players: playersFor(page.mode.value, start.first) }));
  tell(
    `The position is set up, ${start.first} to move.${previousTree ? ' Undo brings back the game before.' : ''}`,
  );
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
  else review.showLine(index, tree.line[index].answer.line.length);
  show();
}

function stepLine(delta) {
  review.stepLine(delta);
  show();
}

function promoteLine() {
  const move = shownMove(tree, review);
  if (!move || tree.isOnMainLine(move)) return;
  tree.promote(move);
  gameChanged(undefined);
  tell('This line is now the main line.');
}

// Deletes the side line that holds the move shown, from where it leaves the line it branches off.
function deleteLine() {
  const move = shownMove(tree, review);
  if (!move || tree.isOnMainLine(move)) return;
  const first = move.path.findLast((node) => node.parent.children[0] !== node);
  gameChanged(history.deleteLine(tree, first));
  tell(`The side line from move ${first.path.length} is deleted: Undo brings it back.`);
}

// How cells are named: in the player's style, on the game's board.
function naming() {
  return { style: settings.coordinates, size: game.size, height: game.height };
}

function tell(text) {
  message = text;
  announce(text);
  show();
}

// What lies over the stones of `position`, the position shown (nothing while a position is set up).
function overlays(position) {
  if (editor.isOpen) return { naming: naming() };
  return {
    ...boardOverlays({
      position,
      tree,
      game,
      review,
      hint,
      answer: analysis.isOn ? analysis.answerFor(position) : null,
      analysisLine: page.analysisLine.checked,
      settings,
    }),
    naming: naming(),
  };
}

function show() {
  const shown = editor.isOpen ? editor.position : shownGame();
  // Not the position that Orvane is about to answer: its answer tells the same.
  if (!editor.isOpen && !(review.isLive && orvaneMayMove())) analysis.follow(shown);
  const canPlay = mayPlayOn(shown);
  view.setBoard(naming());
  view.show(shown, {
    playable: (x, y) => canPlay && shown.isEmpty(x, y),
    forbidden: editor.isOpen ? [] : (forbiddenCells.known(shown) ?? []),
    ...overlays(shown),
  });
  page.gameWords.textContent = gameWords(shown.start);
  page.board.dataset.toMove = shown.colourToMove;
  page.board.classList.toggle('waiting', !canPlay && !editor.isOpen);

  const mode = modeOf(tree.players);
  showStatus({
    brain,
    waiting: questions.waiting,
    message,
    editing: editor.isOpen,
    review,
    game,
    players: tree.players,
    running: selfPlay.isRunning,
  });
  page.undo.disabled = editor.isOpen || (!history.canUndo(tree) && !previousTree);
  page.redo.disabled = editor.isOpen || !history.canRedo;
  page.hint.disabled = !mayAskForHint();
  page.mode.value = mode;
  showLevelFields(mode);
  selfPlay.show(mode === 'selfPlay', brain.state === 'ready' && !game.isOver && !editor.isOpen);

  showReviewPanel(review, tree, game, naming());
  comments.show(editor.isOpen ? null : shownMove(tree, review));
  moveList.show(tree, game, {
    shown: review.shown,
    lineMove: review.line?.move ?? null,
    naming: naming(),
  });
  showAnalysis(analysis, shown, { naming: naming(), editing: editor.isOpen });
  reportPanel.show(tree);
  page.editBoard.disabled = page.newGame.disabled = editor.isOpen;
  showLevelNote(tree, game);
  page.link.value = records.linkTo(shownGame());
  storage.saveReviewPlace(review.place);
}
