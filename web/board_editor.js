// The board editor: sets up any position, stone by stone, to play or analyse from. It starts from
// the position on the board; a touch (or Enter or Space on the board) puts a stone of the chosen
// colour on a cell, or takes one away, and the side to move is chosen apart. "Done" hands over the
// position, checked: no five may stand on it already.
import { cellName } from './coordinates.js';
import { Black, Colours, Game, White, emptyStart } from './game.js';
import { page } from './page_elements.js';
import { sideToMoveProblem } from './rules.js';

export class BoardEditor {
  isOpen = false;
  #colours = []; // the edited board, a colour or null for each cell
  #board = null; // the empty start of the position set up: its board and rule
  #onDone;
  #onChange;
  #announce;

  // `onDone(start)`: the position set up (a Game's start); `onChange()`: the editor changed or
  // closed; `announce(text)` tells what a touch did.
  constructor({ onDone, onChange, announce }) {
    this.#onDone = onDone;
    this.#onChange = onChange;
    this.#announce = announce;
    page.editorClear.addEventListener('click', () => {
      this.#colours.fill(null);
      this.#tell('The board is cleared.');
      this.#onChange();
    });
    page.editorCancel.addEventListener('click', () => this.close());
    page.editorDone.addEventListener('click', () => this.#done());
    page.editorToMove.addEventListener('change', () => this.#onChange());
  }

  // Opens the editor on `position` (a Game): its stones, its side to move.
  open(position) {
    this.#colours = [...position.colours];
    this.#board = emptyStart(position.size, position.rule, position.height);
    page.editorToMove.value = position.colourToMove;
    this.isOpen = true;
    page.editor.hidden = false;
    page.editorText.textContent = '';
    this.#onChange();
    page.editor.querySelector('input:checked').focus();
  }

  close() {
    this.isOpen = false;
    page.editor.hidden = true;
    this.#onChange();
  }

  // What a touch on (x, y) does: the chosen colour's stone, or on a stone of that colour (or with
  // "Removes a stone" chosen), an empty cell.
  touch(x, y, naming) {
    const index = x + this.#board.size * y;
    const tool = page.editor.querySelector('input[name="editor-tool"]:checked').value;
    this.#colours[index] = tool === 'empty' || this.#colours[index] === tool ? null : tool;
    const now = this.#colours[index];
    this.#tell(`${cellName({ x, y }, naming)}: ${now ? `${now} stone` : 'empty'}.`);
    this.#onChange();
  }

  #tell(text) {
    page.editorText.textContent = text;
    this.#announce(text);
  }

  // The position being set up, to show (it is checked only when done).
  get position() {
    return new Game(this.#start());
  }

  #start() {
    const { size } = this.#board;
    const cells = (colour) =>
      this.#colours.flatMap((owner, index) =>
        owner === colour ? [{ x: index % size, y: Math.floor(index / size) }] : [],
      );
    const [black, white] = Colours.map(cells);
    const first = page.editorToMove.value === White ? White : Black;
    return { ...this.#board, black, white, first };
  }

  #done() {
    const start = this.#start();
    try {
      Game.startingFrom(start);
      const problem = sideToMoveProblem(start);
      if (problem) throw new Error(problem);
    } catch (error) {
      this.#tell(`${error.message} Change it before it is played.`);
      return;
    }
    this.close();
    this.#onDone(start);
  }
}
