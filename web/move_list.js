// The numbered list of moves: who played where, and under each of Orvane's moves what it saw, in
// words and in figures, with a button that lays its line on the board. A move's number takes the
// board to the position after it.
import { depthNote, figures, verdictWords } from './analysis_words.js';
import { Brain } from './game.js';

export class MoveList {
  #list;

  // `onSelect(count)`: show the position after `count` moves; `onLine(index)`: show the line
  // behind the move at `index`.
  constructor(list, { onSelect, onLine }) {
    this.#list = list;
    list.addEventListener('click', (event) => {
      const button = event.target.closest('button');
      if (!button) return;
      const index = Number(button.closest('li').dataset.index);
      if (button.classList.contains('show-line')) onLine(index);
      else onSelect(index + 1);
    });
  }

  // `game`: the whole game; `shown`: the moves on the board; `lineMove`: the index of the move
  // whose line is shown, or null.
  show(game, shown, lineMove) {
    const items = game.moves.map((move, index) => {
      const item = document.createElement('li');
      item.dataset.index = index;
      const current = lineMove === null ? index === shown - 1 : index === lineMove;
      if (current) item.setAttribute('aria-current', 'step');

      const colour = game.colourOf(move.player);
      // The moves of an opened record are nobody's here.
      const who = index < game.recordMoves ? '' : move.player === Brain ? 'Orvane' : 'You';
      const head = document.createElement('button');
      head.type = 'button';
      head.className = 'move';
      head.innerHTML =
        `<span class="number">${index + 1}.</span> <span class="swatch ${colour}"></span>` +
        `<span class="visually-hidden">${colour}</span> ${move.x},${move.y} <span class="who">${who}</span>`;
      item.append(head);

      if (move.answer) {
        const madeFive = index === game.moves.length - 1 && game.winner === move.player;
        const words = document.createElement('span');
        words.className = 'words';
        words.textContent = verdictWords(move, madeFive);
        const detail = document.createElement('span');
        detail.className = 'detail';
        detail.textContent = [figures(move), depthNote(move, index)].filter(Boolean).join(' · ');
        const line = document.createElement('button');
        line.type = 'button';
        line.className = 'show-line';
        const verb = lineMove === index ? 'Hide' : 'Show';
        line.textContent = `${verb} line`;
        line.setAttribute('aria-label', `${verb} line for move ${index + 1}`);
        item.append(words, line, detail);
      }
      return item;
    });
    this.#list.replaceChildren(...items);
    this.#scrollTo(this.#list.querySelector('[aria-current]'));
  }

  // Scrolls the list, and only the list, so that `item` is in sight.
  #scrollTo(item) {
    if (!item) return;
    const list = this.#list;
    const top = item.offsetTop;
    if (top < list.scrollTop) list.scrollTop = top;
    else if (top + item.offsetHeight > list.scrollTop + list.clientHeight)
      list.scrollTop = top + item.offsetHeight - list.clientHeight;
  }
}
