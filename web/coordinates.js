// How the page names the cells, as the player chooses: x,y from 0 at the top left, as the managers
// write them, or a letter from a at the left and a number from 1 at the bottom, as renju boards do
// (h8 is the centre of 15 × 15). A naming is { style: 'xy' | 'a1', size, height }, the board's
// width and height (which a square board may leave out).
// Records keep their own coordinates whatever the choice.
import { heightOf } from './game.js';

export const CoordinateStyles = ['xy', 'a1'];
const Letters = 'abcdefghijklmnopqrstuvwxyz';

export function cellName({ x, y }, naming) {
  return naming.style === 'a1' ? `${columnLabel(x, naming)}${rowLabel(y, naming)}` : `${x},${y}`;
}

export function columnLabel(x, { style }) {
  return style === 'a1' ? Letters[x] : String(x);
}

export function rowLabel(y, naming) {
  return String(naming.style === 'a1' ? heightOf(naming) - y : y);
}

// How the board's rows and columns run, for its name.
export function boardDescription(naming) {
  const [last, height] = [naming.size - 1, heightOf(naming)];
  return naming.style === 'a1'
    ? `columns a to ${Letters[last]} from the left, rows 1 to ${height} from the bottom`
    : `columns 0 to ${last} from the left, rows 0 to ${height - 1} from the top`;
}
