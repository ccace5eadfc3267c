// What each rule counts as a five, on one row of a small board: the stone played last at the
// row's 'x' ends it; 'o' are the other side's stones, '|' the board's edge.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { rowsThrough } from '../rules.js';

test('each rule decides which rows of five or more win', () => {
  const cases = [
    // [rule, colour of x, row, what it makes]
    ['freestyle', 'black', '.xxxxxx.', 'wins'],
    ['exact-five', 'black', '.xxxxx..', 'wins'],
    ['exact-five', 'white', '.xxxxxx.', 'overline'],
    ['renju', 'black', '.xxxxx..', 'wins'],
    ['renju', 'black', '.xxxxxx.', 'overline'],
    ['renju', 'white', '.xxxxxx.', 'wins'],
    ['caro', 'black', 'oxxxxxo.', 'closed'],
    ['caro', 'black', 'oxxxxxxo', 'closed'],
    ['caro', 'black', '|xxxxxo.', 'wins'],
    ['caro', 'black', 'oxxxxx..', 'wins'],
    ['freestyle', 'black', 'oxxxxxo.', 'wins'],
    ['freestyle', 'black', '.xxxx.x.', 'nothing'],
  ];
  for (const [rule, colour, row, expected] of cases) {
    const cells = row.replace('|', '');
    const other = colour === 'black' ? 'white' : 'black';
    const colourAt = (x, y) => {
      if (y !== 0 || x < 0 || x >= cells.length) return undefined;
      return { x: colour, o: other, '.': null }[cells[x]];
    };
    const last = cells.lastIndexOf('x');
    const { five, noWin } = rowsThrough(colourAt, last, 0, colour, rule);
    const made = five.length > 0 ? 'wins' : (noWin ?? 'nothing');
    assert.equal(made, expected, `${rule}, ${colour}: ${row}`);
  }
});
