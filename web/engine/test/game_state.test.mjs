// The game-state helpers on a few positions per rule: outcome() finds the five as each rule counts
// it (overlines, caro's row closed at both ends, the edge that closes nothing), a full board, and
// a game in play; positions no game reaches refused; isLegal() refuses cells off the board,
// taken, or after the end, and says what is wrong with a cell that is not one.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { importOrvane } from './installed_package.mjs';

const { createBrain, outcome, BadOptionError, BadPositionError } = await importOrvane();

// Stones from lists of cells "x,y" for each colour.
const stones = (black, white) =>
  [...black.map((cell) => [cell, 'black']), ...white.map((cell) => [cell, 'white'])].map(
    ([cell, stone]) => {
      const [x, y] = cell.split(',').map(Number);
      return { x, y, stone };
    },
  );
const row = (y, ...xs) => xs.map((x) => `${x},${y}`);

// Black's six in a row; white's six with a gap. Black to move.
const blackSix = stones(row(7, 2, 3, 4, 5, 6, 7), row(9, 2, 3, 4, 6, 7, 9));
// White's six in a row; black's seven with gaps. White to move.
const whiteSix = stones([...row(7, 2, 3, 4, 6, 7, 9), '11,11'], row(9, 2, 3, 4, 5, 6, 7));
// White's five closed at both ends by black.
const closedFive = stones(['2,5', '8,5', '0,10', '2,10', '4,10'], row(5, 3, 4, 5, 6, 7));
// White's five against the edge, closed by black at its other end.
const edgeFive = stones(['5,5', '0,10', '2,10', '4,10', '6,10'], row(5, 0, 1, 2, 3, 4));
// A full 5 × 5 board with no five: pairs of cells alternating along the rows.
const fullBoard = Array.from({ length: 25 }, (_, cell) => {
  const [x, y] = [cell % 5, Math.floor(cell / 5)];
  return { x, y, stone: ((x >> 1) + y) % 2 ? 'own' : 'opponent' };
});

const won = (winner, side, cells) => ({
  state: 'won',
  winner,
  side,
  five: cells.map((cell) => {
    const [x, y] = cell.split(',').map(Number);
    return { x, y };
  }),
});
const playing = { state: 'playing' };
const outcomeCases = [
  [blackSix, 'freestyle', won('black', 'own', row(7, 2, 3, 4, 5, 6, 7))],
  [blackSix, 'exact-five', playing],
  [blackSix, 'renju', playing],
  [blackSix, 'caro', won('black', 'own', row(7, 2, 3, 4, 5, 6, 7))],
  [blackSix, 'caro-exact-five', playing],
  [whiteSix, 'renju', won('white', 'own', row(9, 2, 3, 4, 5, 6, 7))],
  [whiteSix, 'exact-five', playing],
  [closedFive, 'freestyle', won('white', 'opponent', row(5, 3, 4, 5, 6, 7))],
  [closedFive, 'caro', playing],
  [closedFive, 'caro-exact-five', playing],
  [edgeFive, 'caro', won('white', 'opponent', row(5, 0, 1, 2, 3, 4))],
  [edgeFive, 'caro-exact-five', won('white', 'opponent', row(5, 0, 1, 2, 3, 4))],
  ['9,9 10,10 9,10 10,9', 'renju', playing],
];

test('outcome() counts the five as each rule does', () => {
  for (const [position, rule, expected] of outcomeCases) {
    assert.deepEqual(
      outcome(position, { rule, size: 15 }),
      expected,
      `${rule}: ${JSON.stringify(expected)}`,
    );
  }
  for (const rule of ['freestyle', 'caro']) {
    assert.deepEqual(outcome(fullBoard, { rule, size: 5 }), { state: 'full' });
  }
  assert.deepEqual(outcome('0,0 1,1', { size: { width: 7, height: 5 } }), playing);
  assert.throws(() => outcome('0,0', { rule: 'go' }), BadOptionError);
  assert.throws(() => outcome('0,5', { size: 5 }), { code: 'ORVANE_BAD_POSITION' });
});

test('isLegal() takes an empty cell of the board while the game is on', async () => {
  const brain = await createBrain();
  const cases = [
    ['9,9 10,10', { x: 3, y: 3 }, { size: 15 }, true],
    ['9,9 10,10', { x: 10, y: 10 }, { size: 15 }, false],
    ['9,9 10,10', { x: 15, y: 3 }, { size: 15 }, false],
    ['2,2 3,3', { x: 6, y: 11 }, { size: { width: 7, height: 12 } }, true],
    ['2,2 3,3', { x: 7, y: 3 }, { size: { width: 7, height: 12 } }, false],
    [edgeFive, { x: 9, y: 9 }, { size: 15, rule: 'caro' }, false],
    [closedFive, { x: 9, y: 9 }, { size: 15, rule: 'caro' }, true],
    [whiteSix, { x: 0, y: 0 }, { size: 15, rule: 'exact-five' }, true],
  ];
  for (const [position, cell, options, legal] of cases) {
    assert.equal(
      brain.isLegal(position, cell, options),
      legal,
      `${JSON.stringify(cell)} in ${position}`,
    );
  }
  assert.throws(() => brain.isLegal('9,9', { x: 'a', y: 1 }), { code: 'ORVANE_BAD_OPTION' });
  assert.throws(() => brain.isLegal('9,9', { x: 1.5, y: 2 }), {
    message: /^the cell's x is 1\.5: x and y are whole numbers, x from 0 to 19/,
  });
  assert.throws(() => brain.isLegal('9,9', { x: 'a' }), { message: /^the cell's x is "a":/ });
  assert.deepEqual(brain.forbidden(blackSix, { rule: 'freestyle' }), []);
});

test('positions that no game reaches are refused, each with its code', async () => {
  const brain = await createBrain();
  // Black's five with move 9, and two moves after it.
  const afterFive = '0,0 0,1 1,0 1,1 2,0 2,1 3,0 3,1 4,0 4,1 9,9';
  // Black at 6,6 with move 9: a double three, forbidden in renju.
  const forbiddenMove = '7,6 0,0 8,6 14,0 6,7 0,14 6,8 14,14 6,6';
  const cases = [
    [afterFive, {}, 'ORVANE_MOVE_AFTER_FIVE', /^move 10 \(4,1\) follows the five that black made/],
    [
      stones(row(0, 0, 1, 2, 3, 4), row(5, 0, 1, 2, 3, 4)),
      {},
      'ORVANE_TWO_FIVES',
      /^both sides have a five, black at 0,0 1,0 2,0 3,0 4,0 and white at 0,5/,
    ],
    [
      forbiddenMove,
      { rule: 'renju', size: 15 },
      'ORVANE_FORBIDDEN_MOVE',
      /^move 9 \(6,6\) was forbidden to black in renju: double three/,
    ],
  ];
  for (const [position, options, code, message] of cases) {
    for (const ask of [() => outcome(position, options), () => brain.move(position, options)]) {
      assert.throws(ask, (error) => error instanceof BadPositionError && error.code === code);
      assert.throws(ask, { message });
    }
  }
  assert.deepEqual(outcome(forbiddenMove, { rule: 'freestyle', size: 15 }), playing);
});
