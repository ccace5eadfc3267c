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
  const colours = new Map(stones.map(({ x, y, colour }) => [x + board.width * y, colour]));
  const colourAt = (x, y) =>
    x < 0 || x >= board.width || y < 0 || y >= board.height
      ? 'edge'
      : (colours.get(x + board.width * y) ?? 'empty');
  for (const { x, y, colour } of stones) {
    for (const [dx, dy] of Directions) {
      // Each row is read once, from its first stone.
      if (colourAt(x - dx, y - dy) === colour) continue;
      const five = [];
      while (colourAt(x + five.length * dx, y + five.length * dy) === colour) {
        five.push({ x: x + five.length * dx, y: y + five.length * dy });
      }
      const other = colour === 'black' ? 'white' : 'black';
      const closedEnds =
        Number(colourAt(x - dx, y - dy) === other) +
        Number(colourAt(x + five.length * dx, y + five.length * dy) === other);
      if (winningRow(rule, colour, five.length, closedEnds)) {
        return { state: 'won', winner: colour, five };
      }
    }
  }
  return stones.length === board.width * board.height ? { state: 'full' } : { state: 'playing' };
}
