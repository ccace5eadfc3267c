// The board on the page: 20 × 20 cells with their coordinates on all four edges, the stones, the
// last move's mark, the winning line, and what is laid over them (a hint or Orvane's move in an
// analysis, Orvane's line as numbered see-through stones, the heat map of its candidates, the
// report's marks). It is one tab stop: the arrow keys move a cursor and Enter or Space plays. A
// touch shows the stone first and a second touch on the same cell plays it, so that a slip of the
// finger on a small cell is not a move.
import { boardDescription, cellName, columnLabel, rowLabel } from './coordinates.js';
import { BoardSide } from './game.js';

// The rows and columns whose crossings carry a dot, to help the eye find its way.
const StarPoints = [4, BoardSide - 5];

export class BoardView {
  #container;
  #cells = [];
  #columnLabels = [];
  #rowLabels = [];
  #style = 'xy';
  #cursor = { x: 9, y: 9 };
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
    container.replaceChildren();
    const corner = () => container.appendChild(hiddenSpan('corner'));
    const columnLabels = () => {
      for (let x = 0; x < BoardSide; x++)
        this.#columnLabels.push(container.appendChild(hiddenSpan('label column')));
    };

    corner();
    columnLabels();
    corner();
    for (let y = 0; y < BoardSide; y++) {
      const row = document.createElement('div');
      row.setAttribute('role', 'row');
      row.className = 'row';
      const labels = [hiddenSpan('label row'), hiddenSpan('label row')];
      this.#rowLabels.push(labels);
      row.appendChild(labels[0]);
      for (let x = 0; x < BoardSide; x++) row.appendChild(this.#cell(x, y));
      row.appendChild(labels[1]);
      container.appendChild(row);
    }
    corner();
    columnLabels();
    corner();
    this.setCoordinates(this.#style);

    container.addEventListener('pointerdown', (event) => {
      this.#lastPointer = event.pointerType;
    });
    container.addEventListener('click', (event) => {
      const cell = event.target.closest('.cell');
      if (cell) this.#activate(Number(cell.dataset.x), Number(cell.dataset.y), this.#lastPointer);
    });
    container.addEventListener('keydown', (event) => this.#key(event));
  }

  // Names the cells and labels the edges in `style` (see coordinates.js).
  setCoordinates(style) {
    this.#style = style;
    this.#columnLabels.forEach((label, x) => {
      label.textContent = columnLabel(x % BoardSide, style);
    });
    this.#rowLabels.forEach((labels, y) => {
      for (const label of labels) label.textContent = rowLabel(y, style);
    });
    this.#container.setAttribute('aria-label', `Board, 20 by 20: ${boardDescription(style)}`);
  }

  // Shows `game` (a Game) with what lies over it:
  // - playable(x, y): whether the player may play that cell now;
  // - hint: { x, y, label } a cell Orvane suggests (a hint, or its move in an analysis), or null;
  // - ghosts: see-through stones [{ x, y, colour, number }] (Orvane's line);
  // - heat: [{ x, y, total, strength }] with strength from 0 to 1 (Orvane's candidates);
  // - marks: [{ x, y, kind: 'marked' | 'better', label }] (the report's marks);
  // - numbers: whether stones carry their move numbers.
  show(game, { playable, hint = null, ghosts = [], heat = [], marks = [], numbers = false }) {
    this.#playable = playable;
    if (this.#pending && !playable(this.#pending.x, this.#pending.y)) this.#pending = null;
    const last = game.lastMove;
    const at = (list) => new Map(list.map((entry) => [entry.x + BoardSide * entry.y, entry]));
    const winning = new Set(game.winningCells.map(({ x, y }) => x + BoardSide * y));
    const moveNumbers = new Map(
      game.moves.map(({ x, y }, index) => [x + BoardSide * y, index + 1]),
    );
    const [ghostAt, heatAt, markAt] = [at(ghosts), at(heat), at(marks)];

    this.#cells.forEach((cell, index) => {
      const x = index % BoardSide;
      const y = Math.floor(index / BoardSide);
      const colour = game.colours[index] ?? '';
      const ghost = ghostAt.get(index);
      const warmth = colour === '' ? heatAt.get(index) : undefined;
      const mark = markAt.get(index);
      const isHint = hint !== null && hint.x === x && hint.y === y;
      const isPending = this.#pending !== null && this.#pending.x === x && this.#pending.y === y;
      const isLast = last !== null && last.x === x && last.y === y;

      cell.dataset.stone = colour;
      cell.dataset.ghost = ghost?.colour ?? '';
      cell.dataset.mark = mark?.kind ?? '';
      cell.classList.toggle('last', isLast);
      cell.classList.toggle('winning', winning.has(index));
      cell.classList.toggle('playable', playable(x, y));
      cell.classList.toggle('hinted', isHint);
      cell.classList.toggle('pending', isPending);
      cell.classList.toggle('heat', warmth !== undefined);
      cell.style.setProperty('--strength', warmth?.strength ?? 0);
      const stoneText = colour !== '' ? (numbers ? moveNumbers.get(index) : '') : warmth?.total;
      cell.firstChild.textContent = ghost ? '' : (stoneText ?? '');
      cell.lastChild.textContent = ghost ? ghost.number : '';

      const state = [cellName({ x, y }, this.#style), colour ? `${colour} stone` : 'empty'];
      if (isLast) state.push('last move');
      if (winning.has(index)) state.push('in the five');
      if (ghost) state.push(`line stone ${ghost.number}, ${ghost.colour}`);
      if (warmth) state.push(`candidate, total ${warmth.total}`);
      if (mark) state.push(mark.label);
      if (isHint) state.push(hint.label);
      if (isPending) state.push('shown, tap again to play');
      cell.setAttribute('aria-label', state.join(', '));
    });
  }

  #cell(x, y) {
    const cell = document.createElement('div');
    cell.setAttribute('role', 'gridcell');
    cell.className = 'cell';
    cell.dataset.x = x;
    cell.dataset.y = y;
    cell.tabIndex = x === this.#cursor.x && y === this.#cursor.y ? 0 : -1;
    if (y === 0) cell.classList.add('top');
    if (y === BoardSide - 1) cell.classList.add('bottom');
    if (x === 0) cell.classList.add('left');
    if (x === BoardSide - 1) cell.classList.add('right');
    if (StarPoints.includes(x) && StarPoints.includes(y)) cell.classList.add('star');
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
    if (steps[event.key]) {
      const [dx, dy] = steps[event.key];
      this.#moveCursor(clamp(x + dx), clamp(y + dy), true);
    } else if (event.key === 'Home' || event.key === 'End') {
      this.#moveCursor(event.key === 'Home' ? 0 : BoardSide - 1, y, true);
    } else if (event.key === 'Enter' || event.key === ' ') {
      this.#onPlay(x, y);
    } else {
      return;
    }
    event.preventDefault();
    event.stopPropagation();
  }

  #moveCursor(x, y, focus) {
    this.#cells[this.#cursor.x + BoardSide * this.#cursor.y].tabIndex = -1;
    this.#cursor = { x, y };
    const cell = this.#cells[x + BoardSide * y];
    cell.tabIndex = 0;
    if (focus) cell.focus();
  }
}

function clamp(coordinate) {
  return Math.min(BoardSide - 1, Math.max(0, coordinate));
}

// A coordinate label or a corner: seen, but not read out (every cell's name says where it is).
function hiddenSpan(className) {
  const span = document.createElement('span');
  span.className = className;
  span.setAttribute('aria-hidden', 'true');
  return span;
}
