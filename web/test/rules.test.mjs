// What each rule counts as a five: on one row of a small board, and against the orvane package's
// outcome() in random games of every rule.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { outcome } from '../engine/outcome.js';
import { Game, emptyStart } from '../game.js';
import { rowsThrough } from '../rules.js';

// The stone played last at the row's 'x' ends it; 'o' are the other side's stones, '|' the edge.
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
    ['caro-exact-five', 'black', '.xxxxxx.', 'overline'],
    ['caro-exact-five', 'white', 'oxxxxxo.', 'closed'],
    ['caro-exact-five', 'black', '|xxxxxo.', 'wins'],
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

test("the page's five agrees with the package's outcome(), move by move, in random games of every rule", () => {
  let seed = 12345;
  const random = (below) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % below;
  };
  const size = 7;
  for (const rule of ['freestyle', 'exact-five', 'renju', 'caro', 'caro-exact-five']) {
    const ends = { won: 0, full: 0 };
    for (let played = 0; played < 100; played++) {
      const game = new Game(emptyStart(size, rule));
      while (!game.isOver) {
        const empty = game.colours.flatMap((colour, index) => (colour === null ? [index] : []));
        const cell = empty[random(empty.length)];
        game.play({ x: cell % size, y: Math.floor(cell / size) });
        const stones = game.moves.map(({ x, y }, index) => ({
          x,
          y,
          stone: game.colourOfMove(index),
        }));
        const expected = outcome(stones, { size, rule, toMove: game.colourToMove });
        const page = game.winner ? 'won' : game.isOver ? 'full' : 'playing';
        assert.equal(page, expected.state, `${rule}: ${JSON.stringify(stones)}`);
        if (page === 'won') assert.equal(game.winner, expected.winner);
      }
      ends[game.winner ? 'won' : 'full']++;
    }
    assert.ok(
      ends.won > 0 && ends.full > 0,
      `${rule}: games of both ends, ${JSON.stringify(ends)}`,
    );
  }
});
