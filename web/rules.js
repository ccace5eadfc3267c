// The rules the page plays and the board sizes it offers, and what each rule counts as a five (as
// the orvane package's outcome() counts it, which web/test/rules.test.mjs checks; the page keeps
// its own count, row by row through the last stone, to replay lines move by move and to say why a
// row of five or more did not win):
// - freestyle: five or more in a row;
// - exactly five: five, never six or more (an overline does not win);
// - renju: black wins with exactly five, white with five or more (black's forbidden cells are the
//   brain's to find: see forbidden_cells.js);
// - caro: five or more, unless the other side's stones close the row at both ends (the edge of the
//   board does not close it);
// - caro with exactly five: five, never six or more, unless closed at both ends as in caro.

export const Rules = {
  freestyle: { name: 'Freestyle: five or more', number: 0 },
  'exact-five': { name: 'Exactly five', number: 1 },
  renju: { name: 'Renju', number: 4 },
  caro: { name: 'Caro', number: 8 },
  'caro-exact-five': { name: 'Caro, exactly five', number: 9 },
};
export const DefaultRule = 'freestyle';
export const DefaultSize = 20;
export const SmallestSize = 5;
export const LargestSize = 20;
// The sizes a new game is played on, as those of records: every one from 5 to 20.
export const Sizes = Array.from(
  { length: LargestSize - SmallestSize + 1 },
  (_, index) => SmallestSize + index,
);

const Directions = [
  [1, 0],
  [0, 1],
  [1, 1],
  [1, -1],
];

// The rows of five or more that a stone of `colour` at (x, y) makes under `rule`: { five, noWin },
// `five` the cells of every row that wins (none when none does), `noWin` why a row of five or more
// does not win ('overline' or 'closed'), or null. `colourAt(x, y)` is the colour on a cell of the
// board, undefined off it.
export function rowsThrough(colourAt, x, y, colour, rule) {
  const five = [];
  let noWin = null;
  for (const [dx, dy] of Directions) {
    const row = [{ x, y }];
    const ends = [];
    for (const sign of [1, -1]) {
      let [cx, cy] = [x + sign * dx, y + sign * dy];
      while (colourAt(cx, cy) === colour) {
        row.push({ x: cx, y: cy });
        [cx, cy] = [cx + sign * dx, cy + sign * dy];
      }
      ends.push(colourAt(cx, cy));
    }
    if (row.length < 5) continue;
    const closed = ends.every((end) => end !== undefined && end !== null && end !== colour);
    const overline =
      row.length > 5 && (isExactFive(rule) || (rule === 'renju' && colour === 'black'));
    if (overline) noWin = 'overline';
    else if (isCaro(rule) && closed) noWin = 'closed';
    else five.push(...row);
  }
  return { five, noWin: five.length > 0 ? null : noWin };
}

// Whether six or more in a row never win under `rule`, for either side.
export function isExactFive(rule) {
  return rule === 'exact-five' || rule === 'caro-exact-five';
}

// Whether a row closed at both ends by the other side's stones does not win under `rule`.
export function isCaro(rule) {
  return rule === 'caro' || rule === 'caro-exact-five';
}

// What is wrong with the side to move of a position set up under `rule` ({ rule, black, white,
// first }, as a Game's start), or null. In renju black is the side that moved first, so black moves
// when both sides have as many stones, and white when black has one more.
export function sideToMoveProblem({ rule, black, white, first }) {
  if (rule !== 'renju') return null;
  const wanted =
    black.length === white.length ? 'black' : black.length === white.length + 1 ? 'white' : null;
  if (wanted === first) return null;
  return 'In renju black moves when both sides have as many stones, and white when black has one more.';
}

// The rule of a record's number (SGF's RU, as the match runner writes the protocol's number) or
// name, or null when it is none the page plays.
export function ruleOfRecord(value) {
  const number = Number(value);
  if (value !== '' && Number.isInteger(number)) {
    // Bit 2, the continuous game, changes nothing.
    return Object.keys(Rules).find((rule) => Rules[rule].number === (number & ~2)) ?? null;
  }
  const words = String(value).toLowerCase();
  if (words.includes('renju')) return 'renju';
  if (words.includes('caro')) return /exact/.test(words) ? 'caro-exact-five' : 'caro';
  if (/exact|standard/.test(words)) return 'exact-five';
  if (/free|gomoku/.test(words)) return 'freestyle';
  return null;
}
