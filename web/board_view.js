// The board on the page: 20 × 20 cells with their coordinates on all four edges, the stones, the
// last move's mark and the winning line. It only shows a Game and reports clicks on cells.
import { BoardSide } from './game.js';

// The rows and columns whose crossings carry a dot, to help the eye find its way.
const StarPoints = [4, BoardSide - 5];

export class BoardView {
  #cells = [];

  // `onCellClick(x, y)` is called for a click on any cell, taken or not.
  constructor(container, onCellClick) {
    container.replaceChildren();
    const corner = () => container.appendChild(document.createElement('span'));
    const columnLabels = () => {
      for (let x = 0; x < BoardSide; x++) container.appendChild(label(x, 'column'));
    };

    corner();
    columnLabels();
    corner();
    for (let y = 0; y < BoardSide; y++) {
      container.appendChild(label(y, 'row'));
      for (let x = 0; x < BoardSide; x++) {
        const cell = document.createElement('button');
        cell.type = 'button';
        cell.className = 'cell';
        cell.dataset.x = x;
        cell.dataset.y = y;
        cell.setAttribute('aria-label', `${x},${y}`);
        if (y === 0) cell.classList.add('top');
        if (y === BoardSide - 1) cell.classList.add('bottom');
        if (x === 0) cell.classList.add('left');
        if (x === BoardSide - 1) cell.classList.add('right');
        if (StarPoints.includes(x) && StarPoints.includes(y)) cell.classList.add('star');
        const stone = document.createElement('span');
        stone.className = 'stone';
        cell.appendChild(stone);
        container.appendChild(cell);
        this.#cells.push(cell);
      }
      container.appendChild(label(y, 'row'));
    }
    corner();
    columnLabels();
    corner();

    container.addEventListener('click', (event) => {
      const cell = event.target.closest('.cell');
      if (cell) onCellClick(Number(cell.dataset.x), Number(cell.dataset.y));
    });
  }

  show(game, { humanMayPlay }) {
    const last = game.lastMove;
    const winning = new Set(game.winningCells.map(({ x, y }) => x + BoardSide * y));
    this.#cells.forEach((cell, index) => {
      const owner = game.owners[index];
      const x = index % BoardSide;
      const y = Math.floor(index / BoardSide);
      cell.dataset.stone = owner === null ? '' : game.colourOf(owner);
      cell.classList.toggle('last', last !== null && last.x === x && last.y === y);
      cell.classList.toggle('winning', winning.has(index));
      cell.classList.toggle('playable', humanMayPlay && owner === null);
    });
  }
}

function label(number, kind) {
  const element = document.createElement('span');
  element.className = `label ${kind}`;
  element.textContent = number;
  return element;
}
