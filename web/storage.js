// What the browser keeps. Each tab keeps its own game (sessionStorage, which a reload keeps): the
// game in progress with every line and Orvane's answers, the game that "New game" or an opened
// record replaced (so that it can be brought back), and the place where its player was looking.
// A tab that closes hands its games over (localStorage) to the next tab opened without a game of
// its own, which takes them up alone; the settings are shared by every tab, which hears when
// another one changes them. A browser that keeps nothing (private windows, storage turned off)
// still plays; it only forgets.
import { emptyStart } from './game.js';
import { Brain, Human } from './players.js';
import { GameTree } from './variations.js';

const Keys = {
  game: 'orvane.game',
  previous: 'orvane.previousGame',
  settings: 'orvane.settings',
  review: 'orvane.review',
  tab: 'orvane.tab',
  handedOver: 'orvane.handedOverBy',
};

// This tab's game: its own, or else one handed over by a tab that closed, or null.
export function loadGame() {
  takeOverHandedGames();
  return readGame(Keys.game);
}

export function saveGame(tree) {
  write(sessionStorage, Keys.game, tree);
}

// The game that the kept game replaced, or null (also when what is kept is not a game).
export function loadPreviousGame() {
  const previous = readGame(Keys.previous);
  return previous instanceof Error ? null : previous;
}

export function savePreviousGame(tree) {
  if (tree === null) remove(sessionStorage, Keys.previous);
  else write(sessionStorage, Keys.previous, tree);
}

// Hands this tab's games over whenever it is left, and takes them back when it is shown again
// (a reload, or the way back to it): the games go to a tab opened later only once this one has
// closed.
export function handOverOnLeaving() {
  window.addEventListener('pagehide', () => {
    for (const key of [Keys.game, Keys.previous]) copy(sessionStorage, localStorage, key);
    write(localStorage, Keys.handedOver, tabId());
  });
  window.addEventListener('pageshow', takeOverHandedGames);
}

// Takes up the games handed over by a tab that closed, when this tab has no game of its own (a
// tab's own handed-over games are taken back, its own kept as they are).
function takeOverHandedGames() {
  const by = read(localStorage, Keys.handedOver); // null for games kept before tabs had their own
  const own = read(sessionStorage, Keys.game) !== null;
  if (own && by !== tabId()) return;
  for (const key of [Keys.game, Keys.previous]) {
    if (!own) copy(localStorage, sessionStorage, key);
    remove(localStorage, key);
  }
  remove(localStorage, Keys.handedOver);
}

function tabId() {
  let id = read(sessionStorage, Keys.tab);
  if (typeof id !== 'string') {
    id = crypto.randomUUID();
    write(sessionStorage, Keys.tab, id);
  }
  return id;
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

// Calls onSettings() when another tab changed the settings.
export function followOtherTabs(onSettings) {
  window.addEventListener('storage', (event) => {
    if (event.storageArea === localStorage && event.key === Keys.settings) onSettings();
  });
}

// The kept game, null when there is none, or an Error when what is kept is not a game.
function readGame(key) {
  let text;
  try {
    text = sessionStorage.getItem(key);
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
    remove(sessionStorage, key);
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

// Copies what `from` keeps under `key` to `to`, or removes it there when `from` keeps nothing.
function copy(from, to, key) {
  try {
    const text = from.getItem(key);
    if (text === null) to.removeItem(key);
    else to.setItem(key, text);
  } catch (error) {
    console.warn(`The browser did not keep ${key}: ${error.message}`);
  }
}

function remove(area, key) {
  try {
    area.removeItem(key);
  } catch {
    // Nothing is kept anyway.
  }
}
