// The records on the page: a game opened from a file, from the clipboard (a record or a link) or
// from the link the page was opened with; the game saved as .psq or SGF, the board saved as a
// picture, and the link to the position copied.
import { boardPicture } from './board_picture.js';
import { download } from './downloads.js';
import { page } from './page_elements.js';
import { namesOf } from './players.js';
import { readLink, recordDate, writeLink, writePsq, writeSgf } from './records.js';
import { readWithRule } from './rule_picker.js';

export class RecordActions {
  #current;
  #onOpen;
  #tell;

  // `current()`: { tree, picture } the game's tree and what the board shows ({ game, ghosts, marks,
  // numbers, naming } as boardPicture takes it); `onOpen(tree, what)`: a game was opened, `what`
  // saying from where; `tell(text)`: what happened, for the status and the screen reader.
  constructor({ current, onOpen, tell }) {
    this.#current = current;
    this.#onOpen = onOpen;
    this.#tell = tell;
    page.savePsq.addEventListener('click', () => this.#save('psq'));
    page.saveSgf.addEventListener('click', () => this.#save('sgf'));
    page.savePicture.addEventListener('click', () => this.#savePicture());
    page.openRecord.addEventListener('click', () => page.recordFile.click());
    page.recordFile.addEventListener('change', () => this.#openFile());
    page.pasteRecord.addEventListener('click', () => this.#pasteFromClipboard());
    page.copyLink.addEventListener('click', () => this.#copyLink());
    window.addEventListener('hashchange', () => this.openLink());
    document.addEventListener('paste', (event) => {
      if (event.target.closest?.('input, textarea')) return;
      event.preventDefault();
      this.#openText(event.clipboardData.getData('text/plain'), 'The pasted');
    });
  }

  // Opens the game of the link the page was opened with, once: a reload goes on with the game as it
  // is kept, not the link's.
  openLink() {
    const fragment = decodeURIComponent(location.hash.slice(1));
    if (!fragment) return;
    let tree;
    try {
      tree = readLink(fragment);
    } catch (error) {
      tree = error;
    }
    if (tree === null) return;
    history.replaceState(null, '', location.pathname + location.search);
    if (tree instanceof Error) this.#tell(`The link's game could not be opened. ${tree.message}`);
    else this.#onOpen(tree, 'The game from the link');
  }

  // The link to the position of `game`.
  linkTo(game) {
    return `${location.origin}${location.pathname}#${writeLink(game)}`;
  }

  async #openFile() {
    const file = page.recordFile.files[0];
    page.recordFile.value = '';
    if (!file) return;
    try {
      this.#openRecord(await readWithRule(await file.text(), file.name), `Opened ${file.name}`);
    } catch (error) {
      this.#tell(`${file.name} was not opened. ${error.message}`);
    }
  }

  async #pasteFromClipboard() {
    let text;
    try {
      text = await navigator.clipboard.readText();
    } catch {
      this.#tell('The browser did not hand over the clipboard: press Ctrl+V (or ⌘V) on the page.');
      return;
    }
    this.#openText(text, 'The pasted');
  }

  // Opens a pasted record or link (the link whole, or only its part after "#").
  async #openText(text, source) {
    const content = text.trim();
    try {
      const fragment = content.includes('#') ? content.slice(content.indexOf('#') + 1) : content;
      const tree = /^(\(|Piskvorky)/.test(content) ? null : readLink(fragment);
      if (tree) this.#onOpen(tree, `${source} link`);
      else this.#openRecord(await readWithRule(content, `${source} record`), `${source} record`);
    } catch (error) {
      this.#tell(`${source} text was not opened. ${error.message}`);
    }
  }

  // Opens the first game of `record` (nothing when the player cancelled its rule).
  #openRecord(record, what) {
    if (!record) return;
    const { games } = record;
    const others = games.length > 1 ? ` (the first of its ${games.length} games)` : '';
    this.#onOpen(games[0].tree, `${what}${others}`);
  }

  #save(format) {
    const { tree } = this.#current();
    const names = namesOf(tree);
    const stamp = new Date();
    try {
      const text =
        format === 'psq'
          ? writePsq(tree, names)
          : writeSgf(tree, { ...names, date: recordDate(stamp.toISOString()) });
      download(new Blob([text], { type: 'text/plain' }), format, stamp);
    } catch (error) {
      this.#tell(error.message);
    }
  }

  async #savePicture() {
    const { picture } = this.#current();
    download(await boardPicture(picture.game, picture), 'png');
  }

  async #copyLink() {
    try {
      await navigator.clipboard.writeText(page.link.value);
      this.#tell('The link is copied.');
    } catch {
      page.link.select();
      this.#tell('The link is selected: copy it from the field.');
    }
  }
}
