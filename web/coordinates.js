// How the page names the cells, as the player chooses: x,y from 0 at the top left, as the managers
// write them, or a letter from a at the left and a number from 1 at the bottom, as renju boards do
// (h8 is the centre of 15 × 15). A naming is { style: 'xy' | 'a1', size }, size being the board's.
// Records keep their own coordinates whatever the choice.

export const CoordinateStyles = ['xy', 'a1'];
const Letters = 'abcdefghijklmnopqrstuvwxyz';

export function cellName({ x, y }, naming) {
  return naming.style === 'a1' ? `${columnLabel(x, naming)}${rowLabel(y, naming)}` : `${x},${y}`;
}

export function columnLabel(x, { style }) {
  return style === 'a1' ? Letters[x] : String(x);
}

export function rowLabel(y, { style, size }) {
  return String(style === 'a1' ? size - y : y);
}

// How the board's rows and columns run, for its name.
export function boardDescription({ style, size }) {
  const last = size - 1;
  return style === 'a1'
    ? `columns a to ${Letters[last]} from the left, rows 1 to ${size} from the bottom`
    : `columns 0 to ${last} from the left, rows 0 to ${last} from the top`;
}
