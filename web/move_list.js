// The numbered list of the current line's moves: who played where; under each of Orvane's moves
// what it saw, in words and in figures, with a button that lays its line on the board; the report's
// marks; the move's comment; and, wherever other lines branch off, a row of their first moves, each
// of which switches to its line. A move's number takes the board to the position after it.
import { depthNote, figures, verdictWords } from './analysis_words.js';
import { cellName } from './coordinates.js';
import { whoPlayed } from './players.js';
import { MarkWords } from './report_marks.js';

export class MoveList {
  #list;
  #branches = []; // the first moves of the other lines, by the index their buttons carry

  // `onSelect(count)`: show the position after `count` moves of the current line; `onLine(index)`:
  // show the line behind the move at `index`; `onSwitch(node)`: follow the line through `node`.
  constructor(list, { onSelect, onLine, onSwitch }) {
    this.#list = list;
    list.addEventListener('click', (event) => {
      const button = event.target.closest('button');
      if (!button) return;
      if (button.dataset.branch) onSwitch(this.#branches[Number(button.dataset.branch)]);
      else if (button.classList.contains('show-line')) onLine(Number(button.dataset.index));
      else onSelect(Number(button.dataset.index) + 1);
    });
  }

  // `tree`: the game's tree, whose current line is listed; `game`: the position at its end;
  // `shown`: the moves on the board; `lineMove`: the index of the move whose line is shown, or null;
  // `naming`: how cells are named.
  show(tree, game, { shown, lineMove, naming }) {
    this.#branches = [];
    const line = tree.line;
    const items = [];
    let before = game.upTo(0);
    line.forEach((move, index) => {
      items.push(this.#item(tree, move, index, { before, game, shown, lineMove, naming }));
      items.push(...this.#branchRow(move.parent.children, move, index, before, naming));
      before.play(move);
    });
    const end = line.at(-1) ?? tree.root;
    items.push(...this.#branchRow(end.children, null, line.length, before, naming));
    this.#list.replaceChildren(...items);
    this.#scrollTo(this.#list.querySelector('[aria-current]'));
  }

  #item(tree, move, index, { before, game, shown, lineMove, naming }) {
    const item = document.createElement('li');
    const current = lineMove === null ? index === shown - 1 : index === lineMove;
    if (current) item.setAttribute('aria-current', 'step');
    const side = !tree.isOnMainLine(move);
    item.classList.toggle('side', side);

    const colour = before.colourToMove;
    const head = button('move', index);
    head.innerHTML =
      `<span class="number">${index + 1}.</span> <span class="swatch ${colour}"></span>` +
      `<span class="visually-hidden">${colour}</span> ${cellName(move, naming)} ` +
      `<span class="who">${whoPlayed(move, tree.players)}</span>` +
      (side ? '<span class="visually-hidden">, side line</span>' : '');
    item.append(head);

    if (move.answer) {
      const madeFive = index === game.moves.length - 1 && game.winner === colour;
      const words = span('words', madeFive ? 'five in a row' : verdictWords(move.answer, before));
      const detail = span(
        'detail',
        [figures(move.answer, move.milliseconds), depthNote(move.answer, before)]
          .filter(Boolean)
          .join(' · '),
      );
      const verb = lineMove === index ? 'Hide' : 'Show';
      const lineButton = button('show-line', index);
      lineButton.textContent = `${verb} line`;
      lineButton.setAttribute('aria-label', `${verb} line for move ${index + 1}`);
      item.append(words, lineButton, detail);
    }
    if (move.mark) {
      const better = move.mark.better ? `: ${cellName(move.mark.better, naming)} was better` : '';
      item.append(span('mark', `${MarkWords[move.mark.kind]}${better}`));
    }
    if (move.comment) item.append(span('comment', move.comment));
    return item;
  }

  // The row that lists the lines branching off where `siblings` may be played (the moves after
  // `index` moves), all but `current`: none when there are none.
  #branchRow(siblings, current, index, before, naming) {
    const others = siblings.filter((node) => node !== current);
    if (others.length === 0) return [];
    const row = document.createElement('li');
    row.className = 'branches';
    row.append(span('branches-label', current ? 'Other lines here:' : 'Lines from here:'));
    for (const node of others) {
      const length = lineLength(node);
      const choice = document.createElement('button');
      choice.type = 'button';
      choice.dataset.branch = this.#branches.push(node) - 1;
      const moves = length > 1 ? ` (${length} moves)` : '';
      choice.innerHTML =
        `${index + 1}. ${cellName(node, naming)}${moves}` +
        `<span class="visually-hidden">, ${before.colourToMove}: switch to this line</span>`;
      row.append(choice);
    }
    return [row];
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

// The number of moves from `node` to the end of its main continuation.
function lineLength(node) {
  let length = 1;
  for (let next = node.children[0]; next; next = next.children[0]) length++;
  return length;
}

function button(className, index) {
  const element = document.createElement('button');
  element.type = 'button';
  element.className = className;
  element.dataset.index = index;
  return element;
}

function span(className, text) {
  const element = document.createElement('span');
  element.className = className;
  element.textContent = text;
  return element;
}
