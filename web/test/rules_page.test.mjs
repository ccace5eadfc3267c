// The page under every rule and on every board size, in headless Chromium: a new game by rule and
// size, kept with the settings; renju's forbidden cells, shown and refused; the rule's own five;
// records and links that carry the size and the rule.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { openPage, scratchFolder, waitForFile } from './page_driver.mjs';

// Renju on 15 × 15, black (the player) to move: 6,7 8,7 7,6 and 7,8 make 7,7 a double three.
const RenjuDoubleThree = 'size=15&rule=renju&moves=ghooihomhgmohiao';
// Exactly five on 15 × 15, black (the player) to move: 0-3 and 5 on the top edge, so that 4,0
// makes six in a row.
const ExactFiveOverline = 'size=15&rule=exact-five&moves=aaafbacfcaefdagffaif';

test('a new game by rule and board size, kept with the settings through a reload', async () => {
  const board = await openPage();
  await board.page.select('#rule', 'renju');
  await board.page.select('#size', '15');
  await board.page.click('#new-game');
  await board.play(7, 7);
  const check = async (when) => {
    const stones = await board.stones();
    assert.equal(stones.length, 225, `${when}: a 15 × 15 board`);
    assert.equal(stones.filter(Boolean).length, 2, `${when}: the move and Orvane's answer`);
    assert.equal(await words(board), 'Renju on a 15 × 15 board.', when);
    const choices = await board.page.$$eval('#rule, #size', (selects) =>
      selects.map((s) => s.value),
    );
    assert.deepEqual(choices, ['renju', '15'], `${when}: the settings`);
  };
  await check('played');
  await board.page.reload({ waitUntil: 'load' });
  await board.settle();
  await check('reloaded');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('a new game on any board from 5 × 5 to 20 × 20, square or not, and under caro with exactly five', async () => {
  const board = await openPage();
  const sizes = await board.page.$$eval('#size option', (options) => options.map((o) => o.value));
  assert.deepEqual(
    sizes.map(Number),
    [...Array(16).keys()].map((index) => index + 5),
  );
  await board.page.select('#rule', 'caro-exact-five');
  await board.page.select('#size', '7');
  await board.page.click('#new-game');
  await board.play(3, 3);
  const stones = await board.stones();
  assert.equal(stones.length, 49, 'a 7 × 7 board');
  assert.equal(stones.filter(Boolean).length, 2, "the move and Orvane's answer");
  assert.equal(await words(board), 'Caro, exactly five on a 7 × 7 board.');

  await board.page.select('#size', '15');
  await board.page.select('#board-height', '9');
  await board.page.click('#new-game');
  await board.play(7, 4);
  const oblong = await board.stones();
  assert.equal(oblong.length, 135, 'a board 15 wide and 9 high');
  assert.equal(oblong.filter(Boolean).length, 2, "the move and Orvane's answer");
  assert.equal(await words(board), 'Caro, exactly five on a 15 × 9 board.');
  const frame = await board.page.$eval('.board-frame', (element) =>
    element.getBoundingClientRect().toJSON(),
  );
  assert.ok(frame.width > 1.4 * frame.height, `drawn wide: ${JSON.stringify(frame)}`);
  const link = await board.page.$eval('#link', (field) => field.value);
  assert.match(link, /#size=15x9&rule=caro-exact-five&moves=/);
  const other = await openPage({ url: link });
  assert.deepEqual(await other.stones(), oblong, 'its link opens it');
  assert.deepEqual([...board.errors, ...other.errors], [], 'no console errors');
});

test("renju: black's forbidden cells show on black's turn, and a forbidden move is refused with its reason", async () => {
  const board = await openPage();
  await board.goTo(`#${RenjuDoubleThree}`);
  const forbidden = () =>
    board.page.$$eval('.cell[data-forbidden]:not([data-forbidden=""])', (cells) =>
      cells.map((cell) => cell.getAttribute('aria-label')),
    );
  await board.page.waitForSelector('.cell[data-forbidden="double-three"]');
  assert.deepEqual(await forbidden(), ['7,7, empty, forbidden to black: double three']);
  await board.click(7, 7);
  assert.equal(await board.status(), '7,7 is forbidden to black in renju: a double three.');
  assert.equal((await board.stones())[7 + 15 * 7], '', 'not played');
  await board.page.click('#back');
  assert.deepEqual(await forbidden(), [], "none on white's turn");
  assert.deepEqual(board.errors, [], 'no console errors');
});

test("the game ends on the rule's own five: six in a row do not win under exactly five", async () => {
  const board = await openPage();
  await board.goTo(`#${ExactFiveOverline}`);
  await board.play(4, 0);
  assert.match(await board.status(), /^Six or more in a row do not win under exactly five/);
  assert.deepEqual(await board.winningCells(), [], 'no five is marked');
  assert.equal((await board.stones()).filter(Boolean).length, 12, 'Orvane plays on');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('records and links carry the size and the rule; a .psq record asks for its rule', async () => {
  const board = await openPage();
  await board.goTo(`#${RenjuDoubleThree}`);
  const game = await board.stones();
  const downloads = await board.downloads();
  await board.page.$eval('#records', (drawer) => {
    drawer.open = true;
  });
  const saved = {};
  for (const format of ['sgf', 'psq']) {
    await board.page.click(`#save-${format}`);
    saved[format] = readFileSync(await waitForFile(downloads, `.${format}`), 'latin1');
  }
  assert.match(saved.sgf, /RU\[4\]SZ\[15\]/);
  assert.match(saved.psq, /^Piskvorky 15x15, /);
  const link = await board.page.$eval('#link', (field) => field.value);
  assert.match(link, /#size=15&rule=renju&moves=/);

  const file = path.join(scratchFolder(), 'renju.psq');
  writeFileSync(file, saved.psq);
  await board.page.click('#new-game');
  await board.open(file, 'renju');
  assert.deepEqual(await board.stones(), game, 'the .psq record, opened under renju');
  assert.equal(await words(board), 'Renju on a 15 × 15 board.');

  const other = await openPage({ url: link });
  assert.deepEqual(await other.stones(), game, 'the link opens the same game');
  assert.equal(await words(other), 'Renju on a 15 × 15 board.');
  assert.deepEqual([...board.errors, ...other.errors], [], 'no console errors');
});

function words(board) {
  return board.page.$eval('#game-words', (text) => text.textContent);
}
