// A picture of the board as a PNG: the wood, the grid with its coordinates, the stones with their
// numbers when they are shown, the last move, the five, Orvane's line as numbered see-through
// stones when it is shown, and the report's marks.
import { starPoints } from './board_view.js';
import { columnLabel, rowLabel } from './coordinates.js';

const Cell = 36; // pixels
const Margin = Cell * 1.3; // room for the coordinates

// Resolves to the PNG of `game` (a Game) with `ghosts` ([{ x, y, colour, number }]) and `marks`
// ([{ x, y, kind }]) laid over it; `numbers` numbers the stones; cells are labelled by `naming`.
export function boardPicture(game, { ghosts = [], marks = [], numbers = false, naming }) {
  const [side, height] = [game.size, game.height];
  const canvas = document.createElement('canvas');
  canvas.width = Math.round(2 * Margin + (side - 1) * Cell);
  canvas.height = Math.round(2 * Margin + (height - 1) * Cell);
  const context = canvas.getContext('2d');
  const centre = (coordinate) => Margin + coordinate * Cell;

  const wood = context.createLinearGradient(0, 0, canvas.width, canvas.height);
  wood.addColorStop(0, '#e9c27a');
  wood.addColorStop(1, '#d2a257');
  context.fillStyle = wood;
  context.fillRect(0, 0, canvas.width, canvas.height);

  context.strokeStyle = 'rgba(70, 42, 10, 0.8)';
  context.lineWidth = 1;
  for (let index = 0; index < side; index++)
    line(context, centre(index), centre(0), centre(index), centre(height - 1));
  for (let index = 0; index < height; index++)
    line(context, centre(0), centre(index), centre(side - 1), centre(index));
  context.fillStyle = 'rgba(70, 42, 10, 0.8)';
  for (const { x, y } of starPoints(side, height)) disc(context, centre(x), centre(y), Cell * 0.1);

  context.fillStyle = '#5a3607';
  context.font = `600 ${Cell * 0.42}px sans-serif`;
  context.textAlign = 'center';
  context.textBaseline = 'middle';
  for (let index = 0; index < side; index++) {
    for (const edge of [Margin * 0.45, canvas.height - Margin * 0.45])
      context.fillText(columnLabel(index, naming), centre(index), edge);
  }
  for (let index = 0; index < height; index++) {
    for (const edge of [Margin * 0.45, canvas.width - Margin * 0.45])
      context.fillText(rowLabel(index, naming), edge, centre(index));
  }

  const moveNumbers = new Map(game.moves.map(({ x, y }, index) => [x + side * y, index + 1]));
  const winning = new Set(game.winningCells.map(({ x, y }) => x + side * y));
  game.colours.forEach((colour, index) => {
    if (colour === null) return;
    const [x, y] = [centre(index % side), centre(Math.floor(index / side))];
    stone(context, x, y, colour, 1);
    const number = numbers ? moveNumbers.get(index) : undefined;
    if (number !== undefined) label(context, x, y, number, colour);
    if (winning.has(index)) ring(context, x, y, '#ff5a4e', 3, []);
  });
  const last = game.lastMove;
  if (last && !numbers) {
    context.fillStyle = '#ff5a4e';
    disc(context, centre(last.x), centre(last.y), Cell * 0.12);
  }
  for (const ghost of ghosts) {
    stone(context, centre(ghost.x), centre(ghost.y), ghost.colour, 0.65);
    label(context, centre(ghost.x), centre(ghost.y), ghost.number, ghost.colour);
  }
  for (const mark of marks) {
    const better = mark.kind === 'better';
    ring(
      context,
      centre(mark.x),
      centre(mark.y),
      better ? '#1fb37f' : '#d64545',
      3,
      better ? [5, 4] : [],
    );
  }
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}

function line(context, x1, y1, x2, y2) {
  context.beginPath();
  context.moveTo(x1, y1);
  context.lineTo(x2, y2);
  context.stroke();
}

function disc(context, x, y, radius) {
  context.beginPath();
  context.arc(x, y, radius, 0, 2 * Math.PI);
  context.fill();
}

function stone(context, x, y, colour, opacity) {
  context.globalAlpha = opacity;
  context.fillStyle = colour === 'black' ? '#111216' : '#f4f2ec';
  disc(context, x, y, Cell * 0.44);
  context.strokeStyle = colour === 'black' ? '#000' : '#9a968c';
  context.lineWidth = 1;
  context.stroke();
  context.globalAlpha = 1;
}

function label(context, x, y, text, colour) {
  context.fillStyle = colour === 'black' ? '#fff' : '#000';
  context.font = `700 ${Cell * 0.4}px sans-serif`;
  context.fillText(String(text), x, y);
}

function ring(context, x, y, colour, width, dash) {
  context.strokeStyle = colour;
  context.lineWidth = width;
  context.setLineDash(dash);
  context.beginPath();
  context.arc(x, y, Cell * 0.48, 0, 2 * Math.PI);
  context.stroke();
  context.setLineDash([]);
}
