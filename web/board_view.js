// The board on the page: its cells with their coordinates on all four edges, the stones, the
// last move's mark, the winning line, and what is laid over them (a hint or Orvane's move in an
// analysis, Orvane's line as numbered see-through stones, the heat map of its candidates, the
// report's marks). It is one tab stop: the arrow keys move a cursor and Enter or Space plays. A
// touch shows the stone first and a second touch on the same cell plays it, so that a slip of the
// finger on a small cell is not a move.
import { boardDescription, cellName, columnLabel, rowLabel } from './coordinates.js';
import { boardWords, heightOf } from './game.js';

// The rows and columns whose crossings carry a dot, to help the eye find its way, on a board
// `size` cells wide and `height` high: near the corners and, on a board with a middle row and a
// middle column, in its centre.
export function starPoints(size, height = size) {
  const lines = (side) => {
    const corner = side >= 20 ? 4 : 3;
    return side < 9 ? [] : [corner, side - 1 - corner];
  };
  const points = lines(size).flatMap((x) => lines(height).map((y) => ({ x, y })));
  if (size % 2 === 1 && height % 2 === 1 && Math.min(size, height) >= 9)
    points.push({ x: (size - 1) / 2, y: (height - 1) / 2 });
  return points;
}

export class BoardView {
  #container;
  #cells = [];
  #columnLabels = [];
  #rowLabels = [];
  #naming = { style: null, size: null, height: null };
  #cursor = { x: 0, y: 0 };
  #pending = null; // the cell a first touch showed, waiting for the second
  #playable = () => false;
  #onPlay;
  #onPending;
  #lastPointer = 'mouse';

  // `onPlay(x, y)` is called when the player plays a cell: a click, a second touch, Enter or
  // Space; `onPending(x, y)` when a first touch shows a stone.
  constructor(container, { onPlay, onPending }) {
    this.#container = container;
    this.#onPlay = onPlay;
    this.#onPending = onPending;
    container.addEventListener('pointerdown', (event) => {
      this.#lastPointer = event.pointerType;
    });
    container.addEventListener('click', (event) => {
      const cell = event.target.closest('.cell');
      if (cell) this.#activate(Number(cell.dataset.x), Number(cell.dataset.y), this.#lastPointer);
    });
    container.addEventListener('keydown', (event) => this.#key(event));
  }

  // Makes the board `naming.size` cells wide and `naming.height` high, its cells named and its
  // edges labelled by `naming` (see coordinates.js); a board of another size is built anew, with
  // the cursor in its centre.
  setBoard(naming) {
    const board = boardWords(naming);
    if (board !== boardWords(this.#naming)) this.#build(naming.size, heightOf(naming));
    if (naming.style === this.#naming.style && board === boardWords(this.#naming)) return;
    this.#naming = { ...naming, height: heightOf(naming) };
    this.#columnLabels.forEach((label, index) => {
      label.textContent = columnLabel(index % naming.size, naming);
    });
    this.#rowLabels.forEach((labels, y) => {
      for (const label of labels) label.textContent = rowLabel(y, naming);
    });
    this.#container.setAttribute(
      'aria-label',
      `Board, ${naming.size} by ${heightOf(naming)}: ${boardDescription(naming)}`,
    );
  }

  #build(size, height) {
    const container = this.#container;
    container.replaceChildren();
    // The page's layout sizes the cells from the board's columns and rows, and the longer side.
    const style = document.documentElement.style;
    style.setProperty('--columns', size);
    style.setProperty('--rows', height);
    style.setProperty('--side', Math.max(size, height));
    this.#cells = [];
    this.#columnLabels = [];
    this.#rowLabels = [];
    this.#pending = null;
    this.#cursor = { x: Math.floor((size - 1) / 2), y: Math.floor((height - 1) / 2) };
    const stars = new Set(starPoints(size, height).map(({ x, y }) => x + size * y));
    const corner = () => container.appendChild(hiddenSpan('corner'));
    const columnLabels = () => {
      for (let x = 0; x < size; x++)
        this.#columnLabels.push(container.appendChild(hiddenSpan('label column')));
    };

    corner();
    columnLabels();
    corner();
    for (let y = 0; y < height; y++) {
      const row = document.createElement('div');
      row.setAttribute('role', 'row');
      row.className = 'row';
      const labels = [hiddenSpan('label row'), hiddenSpan('label row')];
      this.#rowLabels.push(labels);
      row.appendChild(labels[0]);
      for (let x = 0; x < size; x++) row.appendChild(this.#cell(x, y, { size, height }, stars));
      row.appendChild(labels[1]);
      container.appendChild(row);
    }
    corner();
    columnLabels();
    corner();
  }

  // Shows `game` (a Game) with what lies over it:
  // - playable(x, y): whether the player may play that cell now;
  // - hint: { x, y, label } a cell Orvane suggests (a hint, or its move in an analysis), or null;
  // - ghosts: see-through stones [{ x, y, colour, number }] (Orvane's line);
  // - heat: [{ x, y, total, strength }] with strength from 0 to 1 (Orvane's candidates);
  // - marks: [{ x, y, kind: 'marked' | 'better', label }] (the report's marks);
  // - forbidden: [{ x, y, reason }] black's forbidden cells in renju;
  // - numbers: whether stones carry their move numbers.
  show(game, options) {
    const { playable, hint = null, ghosts = [], heat = [], marks = [], forbidden = [] } = options;
    const numbers = options.numbers ?? false;
    this.#playable = playable;
    if (this.#pending && !playable(this.#pending.x, this.#pending.y)) this.#pending = null;
    const last = game.lastMove;
    const size = game.size;
    const at = (list) => new Map(list.map((entry) => [entry.x + size * entry.y, entry]));
    const winning = new Set(game.winningCells.map(({ x, y }) => x + size * y));
    const moveNumbers = new Map(game.moves.map(({ x, y }, index) => [x + size * y, index + 1]));
    const [ghostAt, heatAt, markAt, forbiddenAt] = [at(ghosts), at(heat), at(marks), at(forbidden)];

    this.#cells.forEach((cell, index) => {
      const x = index % size;
      const y = Math.floor(index / size);
      const colour = game.colours[index] ?? '';
      const ghost = ghostAt.get(index);
      const warmth = colour === '' ? heatAt.get(index) : undefined;
      const mark = markAt.get(index);
      const banned = colour === '' ? forbiddenAt.get(index) : undefined;
      const isHint = hint !== null && hint.x === x && hint.y === y;
      const isPending = this.#pending !== null && this.#pending.x === x && this.#pending.y === y;
      const isLast = last !== null && last.x === x && last.y === y;

      cell.dataset.stone = colour;
      cell.dataset.ghost = ghost?.colour ?? '';
      cell.dataset.mark = mark?.kind ?? '';
      cell.dataset.forbidden = banned?.reason ?? '';
      cell.classList.toggle('last', isLast);
      cell.classList.toggle('winning', winning.has(index));
      cell.classList.toggle('playable', playable(x, y) && !banned);
      cell.classList.toggle('hinted', isHint);
      cell.classList.toggle('pending', isPending);
      cell.classList.toggle('heat', warmth !== undefined);
      cell.style.setProperty('--strength', warmth?.strength ?? 0);
      const stoneText = colour !== '' ? (numbers ? moveNumbers.get(index) : '') : warmth?.total;
      cell.firstChild.textContent = ghost ? '' : (stoneText ?? '');
      cell.lastChild.textContent = ghost ? ghost.number : '';

      const state = [cellName({ x, y }, this.#naming), colour ? `${colour} stone` : 'empty'];
      if (isLast) state.push('last move');
      if (winning.has(index)) state.push('in the five');
      if (ghost) state.push(`line stone ${ghost.number}, ${ghost.colour}`);
      if (warmth) state.push(`candidate, total ${warmth.total}`);
      if (mark) state.push(mark.label);
      if (banned) state.push(`forbidden to black: ${banned.reason.replace('-', ' ')}`);
      if (isHint) state.push(hint.label);
      if (isPending) state.push('shown, tap again to play');
      cell.setAttribute('aria-label', state.join(', '));
    });
  }

  #cell(x, y, { size, height }, stars) {
    const cell = document.createElement('div');
    cell.setAttribute('role', 'gridcell');
    cell.className = 'cell';
    cell.dataset.x = x;
    cell.dataset.y = y;
    cell.tabIndex = x === this.#cursor.x && y === this.#cursor.y ? 0 : -1;
    if (y === 0) cell.classList.add('top');
    if (y === height - 1) cell.classList.add('bottom');
    if (x === 0) cell.classList.add('left');
    if (x === size - 1) cell.classList.add('right');
    if (stars.has(x + size * y)) cell.classList.add('star');
    const stone = document.createElement('span');
    stone.className = 'stone';
    const overlay = document.createElement('span');
    overlay.className = 'overlay';
    cell.append(stone, overlay);
    this.#cells.push(cell);
    return cell;
  }

  #activate(x, y, pointer) {
    this.#moveCursor(x, y, false);
    if (pointer !== 'touch' || !this.#playable(x, y)) {
      this.#onPlay(x, y);
      return;
    }
    if (this.#pending?.x === x && this.#pending?.y === y) {
      this.#pending = null;
      this.#onPlay(x, y);
    } else {
      this.#pending = { x, y };
      this.#onPending(x, y);
    }
  }

  #key(event) {
    const steps = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
    const { x, y } = this.#cursor;
    const clamp = (coordinate, side) => Math.min(side - 1, Math.max(0, coordinate));
    if (steps[event.key]) {
      const [dx, dy] = steps[event.key];
      this.#moveCursor(clamp(x + dx, this.#naming.size), clamp(y + dy, this.#naming.height), true);
    } else if (event.key === 'Home' || event.key === 'End') {
      this.#moveCursor(event.key === 'Home' ? 0 : this.#naming.size - 1, y, true);
    } else if (event.key === 'Enter' || event.key === ' ') {
      this.#onPlay(x, y);
    } else {
      return;
    }
    event.preventDefault();
    event.stopPropagation();
  }

  #moveCursor(x, y, focus) {
    const size = this.#naming.size;
    this.#cells[this.#cursor.x + size * this.#cursor.y].tabIndex = -1;
    this.#cursor = { x, y };
    const cell = this.#cells[x + size * y];
    cell.tabIndex = 0;
    if (focus) cell.focus();
  }
}

// A coordinate label or a corner: seen, but not read out (every cell's name says where it is).
function hiddenSpan(className) {
  const span = document.createElement('span');
  span.className = className;
  span.setAttribute('aria-hidden', 'true');
  return span;
}
