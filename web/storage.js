// What the browser keeps between visits (localStorage): the game in progress with every line and
// Orvane's answers, the game that "New game" or an opened record replaced (so that it can be
// brought back), and the settings; and for each tab (sessionStorage) the place where its player
// was looking, so that a reload goes back there. Other tabs of the page keep the same game: each
// hears when another one changed it. A browser that keeps nothing (private windows, storage
// turned off) still plays; it only forgets.
import { emptyStart } from './game.js';
import { Brain, Human } from './players.js';
import { GameTree } from './variations.js';

const Keys = {
  game: 'orvane.game',
  previous: 'orvane.previousGame',
  settings: 'orvane.settings',
  review: 'orvane.review',
};

export function loadGame() {
  return readGame(Keys.game);
}

export function saveGame(tree) {
  write(localStorage, Keys.game, tree);
}

// The game that the kept game replaced, or null (also when what is kept is not a game).
export function loadPreviousGame() {
  const previous = readGame(Keys.previous);
  return previous instanceof Error ? null : previous;
}

export function savePreviousGame(tree) {
  if (tree === null) remove(Keys.previous);
  else write(localStorage, Keys.previous, tree);
}

// The kept settings, each possibly missing or stray: the caller checks them.
export function loadSettings() {
  return read(localStorage, Keys.settings) ?? {};
}

export function saveSettings(settings) {
  write(localStorage, Keys.settings, settings);
}

// This tab's review place, { shown, line } as Review keeps it, or null.
export function loadReviewPlace() {
  return read(sessionStorage, Keys.review);
}

export function saveReviewPlace(place) {
  write(sessionStorage, Keys.review, place);
}

// Calls onGame() when another tab changed the kept game (or the one it replaced), and
// onSettings() when it changed the settings.
export function followOtherTabs({ onGame, onSettings }) {
  window.addEventListener('storage', (event) => {
    if (event.storageArea !== localStorage) return;
    if (event.key === Keys.game || event.key === Keys.previous) onGame();
    if (event.key === Keys.settings) onSettings();
  });
}

// The kept game, null when there is none, or an Error when what is kept is not a game.
function readGame(key) {
  let text;
  try {
    text = localStorage.getItem(key);
  } catch {
    return null;
  }
  if (text === null) return null;
  try {
    const data = JSON.parse(text);
    return GameTree.fromJSON(
      Array.isArray(data?.moves) && data.firstPlayer ? fromLine(data) : data,
    );
  } catch (error) {
    remove(key);
    return new Error(`the kept game could not be read (${error.message})`);
  }
}

// A game kept as one line by the page before it kept trees ({ firstPlayer, moves, recordMoves }),
// as a tree's data.
function fromLine({ firstPlayer, moves, recordMoves }) {
  const players =
    firstPlayer === Brain ? { black: Brain, white: Human } : { black: Human, white: Brain };
  let line = [];
  for (const [index, { x, y, answer }] of [...moves.entries()].reverse()) {
    const move = { x, y, answer, fromRecord: index < recordMoves || undefined };
    line = [{ ...move, children: line }];
  }
  return { start: emptyStart(), players, moves: line };
}

function read(area, key) {
  try {
    return JSON.parse(area.getItem(key));
  } catch {
    return null;
  }
}

function write(area, key, value) {
  try {
    area.setItem(key, JSON.stringify(value));
  } catch (error) {
    console.warn(`The browser did not keep ${key}: ${error.message}`);
  }
}

function remove(key) {
  try {
    localStorage.removeItem(key);
  } catch {
    // Nothing is kept anyway.
  }
}
