// Whether a game is over: a five in a row as the rule counts it, or a full board. Only rows of
// stones are read here; renju's forbidden cells are the brain's to find.

const Directions = [
  [1, 0],
  [0, 1],
  [1, 1],
  [1, -1],
];

// Whether a row of `length` stones of `colour`, closed at `closedEnds` of its two ends by the
// other side's stones, wins under `rule`. An overline wins in freestyle and caro, and for white
// in renju; caro's row closed at both ends never wins (the edge closes nothing).
function winningRow(rule, colour, length, closedEnds) {
  const exactlyFive = rule === 'exact-five' || rule === 'caro-exact-five';
  const overlineLoses = exactlyFive || (rule === 'renju' && colour === 'black');
  if (length < 5 || (length > 5 && overlineLoses)) return false;
  return !(rule.startsWith('caro') && closedEnds === 2);
}

// How the game stands in `stones` ({ x, y, colour }) on `board` under `rule`:
// { state: 'won', winner, five } with the winning row's cells, { state: 'full' } or
// { state: 'playing' }.
export function gameOutcome(stones, board, rule) {
  const { black, white } = winningRows(stones, board, rule);
  const [winner, five] = black ? ['black', black] : white ? ['white', white] : [];
  if (winner) return { state: 'won', winner, five };
  return stones.length === board.width * board.height ? { state: 'full' } : { state: 'playing' };
}

// Each colour's first winning row in `stones` (its cells), or undefined: { black, white }.
export function winningRows(stones, board, rule) {
  const colourAt = colourReader(stones, board);
  const rows = {};
  for (const { x, y, colour } of stones) {
    if (rows[colour]) continue;
    for (const [dx, dy] of Directions) {
      // Each row is read once, from its first stone.
      if (colourAt(x - dx, y - dy) === colour) continue;
      const row = rowFrom(colourAt, rule, colour, x, y, dx, dy);
      if (row) {
        rows[colour] = row;
        break;
      }
    }
  }
  return rows;
}

// The winning row through the stone of `colour` at x,y, or undefined: whether the move there
// ended the game. `colourAt(x, y)` reads the board as it stood after that move.
export function winningRowThrough(colourAt, rule, { x, y, colour }) {
  for (const [dx, dy] of Directions) {
    let back = 0;
    while (colourAt(x - (back + 1) * dx, y - (back + 1) * dy) === colour) back++;
    const row = rowFrom(colourAt, rule, colour, x - back * dx, y - back * dy, dx, dy);
    if (row) return row;
  }
  return undefined;
}

// The colour at a cell of `board` holding `stones`: 'black', 'white', 'empty' or 'edge'. Stones
// added later to the map `colours` (cell index x + width * y → colour) are read too.
export function colourReader(stones, board, colours = new Map()) {
  for (const { x, y, colour } of stones) colours.set(x + board.width * y, colour);
  return (x, y) =>
    x < 0 || x >= board.width || y < 0 || y >= board.height
      ? 'edge'
      : (colours.get(x + board.width * y) ?? 'empty');
}

// The cells of the row of `colour` that starts at x,y along dx,dy, if it wins under `rule`.
function rowFrom(colourAt, rule, colour, x, y, dx, dy) {
  const row = [];
  while (colourAt(x + row.length * dx, y + row.length * dy) === colour) {
    row.push({ x: x + row.length * dx, y: y + row.length * dy });
  }
  const other = colour === 'black' ? 'white' : 'black';
  const closedEnds =
    Number(colourAt(x - dx, y - dy) === other) +
    Number(colourAt(x + row.length * dx, y + row.length * dy) === other);
  return winningRow(rule, colour, row.length, closedEnds) ? row : undefined;
}
