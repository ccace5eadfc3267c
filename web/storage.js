// What the browser keeps between visits (localStorage): the game in progress with Orvane's answers,
// the game that "New game" replaced (so that it can be brought back), and the settings. A browser
// that keeps nothing (private windows, storage turned off) still plays; it only forgets.
import { Game } from './game.js';

const Keys = { game: 'orvane.game', previous: 'orvane.previousGame', settings: 'orvane.settings' };

export function loadGame() {
  return readGame(Keys.game);
}

export function saveGame(game) {
  write(Keys.game, game);
}

export function loadPreviousGame() {
  return readGame(Keys.previous);
}

export function savePreviousGame(game) {
  if (game === null) remove(Keys.previous);
  else write(Keys.previous, game);
}

// { level, firstPlayer, numbers, heatMap }, each possibly missing.
export function loadSettings() {
  try {
    return JSON.parse(localStorage.getItem(Keys.settings)) ?? {};
  } catch {
    return {};
  }
}

export function saveSettings(settings) {
  write(Keys.settings, settings);
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
    return Game.fromJSON(JSON.parse(text));
  } catch (error) {
    remove(key);
    return new Error(`the kept game could not be read (${error.message})`);
  }
}

function write(key, value) {
  try {
    localStorage.setItem(key, JSON.stringify(value));
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
