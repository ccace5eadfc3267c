// The library on the page: the kept games listed latest first (date, result, levels, rule, moves),
// each of which can be reopened or deleted (and the game deleted last brought back); all of them
// exported as one SGF collection, and such a collection imported again (games already there are
// not kept twice).
import { download } from './downloads.js';
import { boardWords } from './game.js';
import { deleteGame, keepTree, listGames, restoreGame } from './library.js';
import { page } from './page_elements.js';
import { Brain, modeOf, namesOf, playersFor } from './players.js';
import { isoDateOf, recordDate, writeSgf } from './records.js';
import { readWithRule } from './rule_picker.js';
import { Rules } from './rules.js';
import { GameTree } from './variations.js';

export class LibraryView {
  #games = [];
  #deleted = null; // the entry of the game deleted last, until it is brought back
  #onOpen;
  #announce;

  // `onOpen(tree)`: the player reopens a kept game; `announce(text)` tells what was done.
  constructor({ onOpen, announce }) {
    this.#onOpen = onOpen;
    this.#announce = announce;
    page.library.addEventListener('toggle', () => {
      if (page.library.open) this.refresh();
    });
    page.libraryList.addEventListener('click', (event) => this.#choose(event));
    page.libraryRestore.addEventListener('click', () => this.#restore());
    page.exportLibrary.addEventListener('click', () => this.#export());
    page.importLibrary.addEventListener('click', () => page.libraryFile.click());
    page.libraryFile.addEventListener('change', () => this.#import());
  }

  // Lists the kept games again, when the library is open, and says how many there are.
  async refresh() {
    if (!page.library.open) return;
    try {
      this.#games = await listGames();
    } catch (error) {
      this.#tell(`The library cannot be read: ${error.message}.`);
      return;
    }
    page.libraryList.replaceChildren(...this.#games.map((entry, index) => item(entry, index)));
    page.exportLibrary.disabled = this.#games.length === 0;
    page.libraryRestore.hidden = this.#deleted === null;
    if (this.#games.length === 0)
      this.#tell('No game is kept yet: every game played here comes here.');
    else
      page.libraryText.textContent = `${this.#games.length} ${this.#games.length === 1 ? 'game' : 'games'}, the latest first.`;
  }

  async #choose(event) {
    const button = event.target.closest('button');
    if (!button) return;
    const entry = this.#games[Number(button.closest('li').dataset.index)];
    if (button.classList.contains('delete')) {
      await deleteGame(entry.id);
      this.#deleted = entry;
      await this.refresh();
      this.#tell(`The game of ${dateWords(entry.date)} is deleted.`);
      return;
    }
    const tree = GameTree.fromJSON(entry.tree);
    tree.libraryId = entry.id;
    this.#onOpen(tree, `The game of ${dateWords(entry.date)} from the library`);
  }

  async #restore() {
    const entry = this.#deleted;
    if (!entry) return;
    await restoreGame(entry);
    this.#deleted = null;
    await this.refresh();
    this.#tell(`The game of ${dateWords(entry.date)} is back.`);
  }

  async #export() {
    const games = await listGames();
    const text = games
      .map((entry) => {
        const tree = GameTree.fromJSON(entry.tree);
        return writeSgf(tree, { ...namesOf(tree), date: recordDate(entry.date) });
      })
      .join('');
    download(new Blob([text], { type: 'application/x-go-sgf' }), 'sgf');
    this.#tell(
      `${games.length} ${games.length === 1 ? 'game' : 'games'} exported as one SGF file.`,
    );
  }

  async #import() {
    const file = page.libraryFile.files[0];
    page.libraryFile.value = '';
    if (!file) return;
    let told;
    try {
      const record = await readWithRule(await file.text(), file.name);
      if (!record) return;
      const { games } = record;
      const kept = new Set((await listGames()).map((entry) => sgfOf(entry.tree, entry.date)));
      let added = 0;
      for (const { tree, date } of games) {
        const iso = isoDateOf(date) ?? new Date().toISOString();
        if (kept.has(sgfOf(tree.toJSON(), iso))) continue;
        tree.players = playersFor('twoPlayers');
        await keepTree(tree, iso);
        added++;
      }
      told =
        `${file.name}: ${added} of its ${games.length} games added` +
        (added < games.length ? ', the others were there already.' : '.');
    } catch (error) {
      told = `${file.name} was not imported. ${error.message}`;
    }
    await this.refresh();
    this.#tell(told);
  }

  #tell(text) {
    page.libraryText.textContent = text;
    this.#announce(text);
  }
}

// A kept game's moves in SGF, to tell whether a game is kept already.
function sgfOf(treeData, date) {
  const tree = GameTree.fromJSON(treeData);
  return writeSgf(tree, { black: '', white: '', date: recordDate(date) });
}

function item(entry, index) {
  const element = document.createElement('li');
  element.dataset.index = index;
  const words = document.createElement('span');
  const levels = entry.levels.length > 0 ? `level ${entry.levels.join(' and ')}` : '';
  words.textContent = [
    dateWords(entry.date),
    resultWords(entry),
    levels,
    `${Rules[entry.rule].name} on ${boardWords(entry)}`,
    `${entry.moves} moves`,
  ]
    .filter(Boolean)
    .join(' · ');
  const open = document.createElement('button');
  open.type = 'button';
  open.textContent = 'Open';
  open.setAttribute('aria-label', `Open the game of ${dateWords(entry.date)}`);
  const remove = document.createElement('button');
  remove.type = 'button';
  remove.className = 'delete';
  remove.textContent = 'Delete';
  remove.setAttribute('aria-label', `Delete the game of ${dateWords(entry.date)}`);
  element.append(words, open, remove);
  return element;
}

// Who won, in the players' words.
function resultWords({ result, players }) {
  if (result === 'draw') return 'draw';
  if (result === null) return 'unfinished';
  if (modeOf(players) !== 'orvane') return `${result} won`;
  return players[result] === Brain ? 'Orvane won' : 'you won';
}

function dateWords(date) {
  return new Date(date).toLocaleString('en-GB', { dateStyle: 'medium', timeStyle: 'short' });
}
