// The rules and board sizes through the package: black's forbidden cells in renju as the brain
// finds them (a double three, a double four in one line, an overline, and a double three that the
// edge of a small board undoes), isLegal() on them, moves that keep to the board and the rule, and
// the seed that makes the random choice repeat.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { importOrvane } from './installed_package.mjs';

const { createBrain, createBrainWorker, isLegal, forbidden } = await importOrvane();
const brain = await createBrain();

// Stones from the cells "x,y x,y ..." of each colour.
const stones = (black, white) =>
  [
    ...black.split(' ').map((cell) => [cell, 'black']),
    ...white.split(' ').map((cell) => [cell, 'white']),
  ].map(([cell, stone]) => {
    const [x, y] = cell.split(',').map(Number);
    return { x, y, stone };
  });
const corners = '0,0 14,0 0,14 14,14';
// Black's open twos across each other at 6,6: a double three there, and a win in freestyle.
const doubleThree = stones('7,6 8,6 6,7 6,8', corners);
// X_XX__X: the stone at 7,7 makes X_XXX_X, two fours in one line.
const doubleFour = stones('3,7 5,7 6,7 9,7', corners);
// XXX_XX: the stone at 5,3 makes six.
const overline = stones('2,3 3,3 4,3 6,3 7,3', `${corners} 14,7`);
// A double three at 1,1 whose row has no room for a straight four on a board 5 wide.
const nearEdge = stones('2,1 3,1 1,2 1,3', '4,6 3,6 4,5 2,6');

test("forbidden() gives black's forbidden cells in renju, and none under other rules", () => {
  const cases = [
    [doubleThree, 15, [{ x: 6, y: 6, reason: 'double-three' }]],
    [doubleFour, 15, [{ x: 7, y: 7, reason: 'double-four' }]],
    [overline, 15, [{ x: 5, y: 3, reason: 'overline' }]],
    [nearEdge, 7, [{ x: 1, y: 1, reason: 'double-three' }]],
    [nearEdge, { width: 5, height: 7 }, []],
  ];
  for (const [position, size, expected] of cases) {
    assert.deepEqual(brain.forbidden(position, { rule: 'renju', size }), expected);
    assert.deepEqual(brain.forbidden(position, { rule: 'exact-five', size }), []);
  }
});

test('isLegal() refuses black a forbidden cell, which white may take', async () => {
  const worker = await createBrainWorker();
  const whiteToMove = [...doubleThree, { x: 12, y: 2, stone: 'black' }];
  const cases = [
    [doubleThree, 'renju', false],
    [doubleThree, 'freestyle', true],
    [whiteToMove, 'renju', true],
  ];
  for (const [position, rule, legal] of cases) {
    const options = { rule, size: 15 };
    assert.equal(brain.isLegal(position, { x: 6, y: 6 }, options), legal, rule);
    assert.equal(await worker.isLegal(position, { x: 6, y: 6 }, options), legal, rule);
  }
  worker.terminate();
  assert.throws(
    () => brain.isLegal(doubleThree, { x: 6, y: 6 }, { rule: 'renju', toMove: 'white' }),
    {
      code: 'ORVANE_BAD_POSITION',
      message: /^in renju black moves first, so with 8 stones on the board black is to move/,
    },
  );
});

test('moves keep to the board and the rule', () => {
  const freestyle = brain.move(doubleThree, { rule: 'freestyle', size: 15, level: 6 });
  assert.deepEqual([freestyle.x, freestyle.y, freestyle.verdict], [6, 6, 'won']);
  const renju = brain.move(doubleThree, { rule: 'renju', size: 15, level: 6 });
  assert.notDeepEqual([renju.x, renju.y], [6, 6], 'black never plays its forbidden cell');
  for (const size of [5, { width: 9, height: 6 }, { width: 6, height: 13 }]) {
    for (const rule of ['exact-five', 'caro', 'caro-exact-five']) {
      const { x, y } = brain.move('2,2 3,3 2,3', { rule, size, level: 6 });
      const { width, height } = typeof size === 'number' ? { width: size, height: size } : size;
      assert.ok(x < width && y < height, `${x},${y} on the ${width} × ${height} board`);
      assert.ok(!['2,2', '3,3', '2,3'].includes(`${x},${y}`), `${x},${y} is empty`);
    }
  }
});

test('a seed repeats the random choice; without one, calls in one clock tick vary', () => {
  const openings = (options) =>
    new Set(
      Array.from({ length: 5 }, () => brain.move('', options)).map(({ x, y }) => `${x},${y}`),
    );
  assert.equal(openings({ size: 15, seed: 42 }).size, 1);
  assert.ok(openings({ size: 15 }).size > 1);
});

test("isLegal() and forbidden() are offered beside outcome(), with the brain's answers", async () => {
  const renju = { rule: 'renju', size: 15 };
  assert.deepEqual(await forbidden(doubleThree, renju), brain.forbidden(doubleThree, renju));
  assert.equal(await isLegal(doubleThree, { x: 6, y: 6 }, renju), false);
  assert.equal(await isLegal(doubleThree, { x: 6, y: 6 }, { size: 15 }), true);
  await assert.rejects(isLegal(doubleThree, { x: 15, y: 0.5 }), { code: 'ORVANE_BAD_OPTION' });
});
