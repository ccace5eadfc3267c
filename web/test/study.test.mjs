// The page as a study board, in headless Chromium, one scenario per capability: the strong
// search's analysis of a position set up and of each one stepped through, side lines, two players
// and Orvane against itself, the report after a game, the library, the coordinates, pasting and
// the picture, and a phone held upright.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { cellSelector, openPage, waitForFile } from './page_driver.mjs';

// Black (the player) to move, with four in a row on the top edge: one move from five.
const BlackFiveNext = 'moves=aakkbaklcakmdapp';
// Black and white each have an open three; black, to move, lets its win go with a move in the
// corner, and white to move then wins.
const BlackLetsItsWinGo = 'moves=ffkkgfllhfmmat';

test('the strong search analyses the position shown depth by depth: one set up, and each one stepped through', async () => {
  const board = await openPage();
  await board.play(9, 9);
  const analysisText = () => board.page.$eval('#analysis-text', (text) => text.textContent);
  const analysed = () =>
    board.page
      .waitForFunction(
        () => {
          const text = document.getElementById('analysis-text');
          return (
            !text.classList.contains('busy') &&
            /Orvane plays/.test(text.textContent) &&
            text.textContent
          );
        },
        { polling: 50, timeout: 60000 },
      )
      .then((text) => text.jsonValue());
  await board.page.select('#analysis-time', '1');
  await board.page.click('#analyse');
  await board.page.waitForFunction(
    () => / s, and searching on\.$/.test(document.getElementById('analysis-text').textContent),
    { polling: 20, timeout: 30000 },
  );
  assert.match(
    await analysisText(),
    /Depth \d+ · [\d,]+ nodes · eval -?\d+ · /,
    'a depth reported',
  );
  assert.match(
    await analysed(),
    /^Black to move: Orvane plays \d+,\d+, open position, evaluation [+-]?\d+ for black\. Its line: /,
  );

  await openDrawer(board, 'study');
  await board.page.click('#edit-board');
  await board.page.click('#editor-clear');
  for (const x of [5, 6, 7]) await board.click(x, 5);
  await board.page.click('input[value="white"]');
  for (const x of [5, 6]) await board.click(x, 8);
  // By keyboard too: the board's cursor is on the last cell touched; Enter puts a stone.
  await board.page.focus('.cell[tabindex="0"]');
  await board.page.keyboard.press('ArrowRight');
  await board.page.keyboard.press('Enter');
  assert.match(await board.announced(), /^7,8: white stone\.$/);
  await board.page.select('#editor-to-move', 'black');
  await board.page.click('#editor-done');
  await board.settle();
  const stones = await board.stones();
  assert.equal(stones.filter((stone) => stone === 'black').length, 3);
  assert.equal(stones.filter((stone) => stone === 'white').length, 3);
  assert.match(await board.status(), /^The position is set up, black to move/);

  assert.match(
    await analysed(),
    /^Black to move: Orvane plays (4|8),5, sees a win in 2 moves, the last making five\. Its line: /,
    'the open three becomes a straight four, then five',
  );
  assert.equal((await board.page.$$('.cell.hinted')).length, 1, "the analysis' move on the board");

  await board.play(0, 19);
  assert.match(await analysed(), /^Black to move: .*sees a loss/, 'the position after the answer');
  await board.page.click('#back');
  assert.match(await analysed(), /^White to move: Orvane plays \d+,\d+/, 'one move back');
  await board.page.click('#analysis-line');
  assert.ok((await board.page.$$('.cell[data-ghost="white"]')).length > 0, 'its line shows');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('side lines: a move from an earlier position starts one; switch, promote, delete, and SGF keeps them', async () => {
  const board = await openPage();
  await board.play(9, 9);
  await board.play(8, 11);
  const mainLine = await board.stones();
  await board.page.click('#move-list li:nth-child(2) .move');
  await board.play(12, 12);
  assert.equal((await board.stones()).filter(Boolean).length, 4, 'a side line of two moves');
  const branches = () =>
    board.page.$$eval('#move-list .branches button', (buttons) =>
      buttons.map((button) => button.firstChild.textContent),
    );
  assert.deepEqual(await branches(), ['3. 8,11 (2 moves)'], 'the main line is still there');
  assert.match(await lineKind(board), /a side line/);

  const downloads = await board.downloads();
  await openDrawer(board, 'records');
  await board.page.click('#save-sgf');
  const saved = await waitForFile(downloads, '.sgf');
  assert.match(readFileSync(saved, 'latin1'), /\n\(;B\[il\]/, 'SGF holds the main line');
  await board.page.click('#new-game');
  await board.open(saved);
  assert.deepEqual(await board.stones(), mainLine, 'opened: the main line first');
  assert.deepEqual(await branches(), ['3. 12,12 (2 moves)'], 'and the side line');

  await board.page.click('#move-list .branches button');
  assert.match(await lineKind(board), /a side line/);
  await board.page.click('#promote-line');
  assert.match(await lineKind(board), /the main line/);
  assert.deepEqual(await branches(), ['3. 8,11 (2 moves)']);
  await board.page.click('#move-list .branches button');
  await board.page.click('#delete-line');
  assert.deepEqual(await branches(), [], 'the other line is deleted');
  assert.equal(await board.listLength(), 4, 'the promoted line stays');
  assert.match(
    await board.page.$eval('#move-list li:nth-child(3)', (item) => item.textContent),
    /12,12/,
  );
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('Undo brings back a deleted side line and Redo deletes it again; a deleted library game comes back', async () => {
  const board = await openPage();
  await board.play(9, 9);
  await board.play(8, 11);
  await board.page.click('#move-list li:nth-child(2) .move');
  await board.play(12, 12);
  const sideLine = await board.stones();
  const step = async (button, stones, why) => {
    await board.page.click(button);
    await board.settle();
    assert.deepEqual(await countStones(board), stones, why);
  };
  // Deleted, the board shows the position where the line left the main line.
  await step('#delete-line', 2, 'deleted');
  await step('#undo', 4, 'Undo: the line back');
  assert.deepEqual(await board.stones(), sideLine);
  await step('#redo', 2, 'Redo: deleted again');
  await board.page.click('#to-end');
  assert.equal((await board.stones())[12 + 20 * 12], '', 'the main line is left');
  await step('#undo', 4, 'Undo: back again');
  await step('#undo', 2, "Undo: the player's move and Orvane's answer");
  await step('#redo', 4, 'Redo: both again');
  assert.deepEqual(await board.stones(), sideLine);

  await board.goTo(`#${BlackFiveNext}`);
  await board.play(4, 0);
  await openDrawer(board, 'library');
  // The side lines' game and the finished one.
  const kept = () => board.page.$$eval('#library-list li span', (items) => items.length);
  await board.page.waitForFunction(
    () => document.querySelectorAll('#library-list li').length === 2,
  );
  await board.page.click('#library-list .delete');
  await board.page.waitForSelector('#library-restore:not([hidden])');
  assert.equal(await kept(), 1, 'deleted from the library');
  await board.page.click('#library-restore');
  await board.page.waitForFunction(
    () => document.querySelectorAll('#library-list li').length === 2,
  );
  assert.match(
    await board.page.$eval('#library-list li span', (item) => item.textContent),
    / · you won · /,
    'the finished game brought back',
  );
  assert.deepEqual(board.errors, [], 'no console errors');
});

test("comments: the player writes one on a move, the list shows it, and SGF keeps it with the strong search's answer", async () => {
  const board = await openPage();
  await board.page.select('#level', 'strong');
  await board.play(9, 9);
  await board.page.click('#move-list li:nth-child(1) .move');
  await board.page.type('#move-comment', 'a quiet start');
  await board.page.keyboard.press('Tab');
  const comment = () =>
    board.page.$eval('#move-list li:nth-child(1) .comment', (item) => item.textContent);
  assert.equal(await comment(), 'a quiet start');

  const downloads = await board.downloads();
  await openDrawer(board, 'records');
  await board.page.click('#save-sgf');
  const saved = await waitForFile(downloads, '.sgf');
  const text = readFileSync(saved, 'latin1');
  assert.match(text, /;B\[jj\]C\[a quiet start\]/);
  assert.match(text, /C\[\d+ms\nOrvane strong, 1 s a move: /, "Orvane's answer in its comment");
  assert.doesNotMatch(text, /Orvane's candidates:[\n\]]/, 'no empty candidates line');
  await board.page.click('#new-game');
  await board.open(saved);
  assert.equal(await comment(), 'a quiet start', "the record's comment shows");
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('two players share the board, and Orvane plays itself move by move or running', async () => {
  const board = await openPage();
  await board.page.select('#mode', 'twoPlayers');
  await board.page.click('#new-game');
  await board.play(9, 9);
  await board.play(10, 10);
  assert.equal(await countStones(board), 2, 'no answer from Orvane');
  assert.equal(await board.status(), 'Black to move.');
  await board.page.click('#undo');
  assert.equal(await countStones(board), 1, 'Undo takes back one move');

  await board.page.select('#mode', 'selfPlay');
  for (const colour of ['black', 'white']) await board.page.select(`#${colour}-level`, '2');
  await board.page.click('#next-move');
  await board.settle();
  assert.equal(await countStones(board), 2, 'one move at the word');
  assert.match(
    await board.page.$eval('#move-list li:last-child .detail', (d) => d.textContent),
    /^depth 2 /,
  );
  await board.page.click('#run');
  await board.page.waitForFunction(
    () => document.querySelectorAll('.cell:not([data-stone=""])').length >= 6,
    { polling: 50, timeout: 60000 },
  );
  await board.page.click('#run');
  await board.settle();
  const paused = await countStones(board);
  await new Promise((resolve) => setTimeout(resolve, 1500));
  assert.equal(await countStones(board), paused, 'paused: no more moves');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('Orvane against itself: the status follows its moves, to how the game ended', async () => {
  const board = await openPage();
  await board.goTo(`#${BlackFiveNext}`);
  await board.play(4, 0);
  await board.page.select('#mode', 'selfPlay');
  for (const colour of ['black', 'white']) await board.page.select(`#${colour}-level`, '2');
  await board.page.click('#new-game');
  await board.page.click('#next-move');
  await board.settle();
  assert.equal(await board.status(), 'White to move: "Next move" or "Run" lets Orvane play.');
  await board.goTo(`#${BlackFiveNext}`);
  await board.page.click('#next-move');
  await board.settle();
  assert.equal(await board.status(), 'Black wins: five in a row.');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('the report marks the move that let a win go, with the better cell, and keeps the marks', async () => {
  const board = await openPage();
  await board.goTo(`#${BlackLetsItsWinGo}`);
  await openDrawer(board, 'study');
  await board.page.click('#report');
  await board.page.waitForFunction(
    () => /^Orvane went over 7 moves/.test(document.getElementById('report-text').textContent),
    { polling: 100, timeout: 120000 },
  );
  const mark = () =>
    board.page.$eval('#move-list li:nth-child(7) .mark', (item) => item.textContent);
  assert.match(await mark(), /^a win let go: (4|8),5 was better$/);
  assert.equal(await board.page.$eval(cellSelector(0, 19), (cell) => cell.dataset.mark), 'marked');
  assert.equal((await board.page.$$('.cell[data-mark="better"]')).length, 1, 'the better cell');
  await board.page.reload({ waitUntil: 'load' });
  await board.settle();
  assert.match(await mark(), /^a win let go/, 'kept with the game');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('the library keeps a finished game; it is exported, deleted, imported and reopened', async () => {
  const board = await openPage();
  await board.goTo(`#${BlackFiveNext}`);
  await board.play(4, 0);
  assert.equal(await board.status(), 'You win: five in a row!');
  const game = await board.stones();
  await openDrawer(board, 'library');
  const entries = () =>
    board.page.$$eval('#library-list li span', (items) => items.map((item) => item.textContent));
  await board.page.waitForFunction(
    () => document.querySelectorAll('#library-list li').length === 1,
  );
  assert.match((await entries())[0], / · you won · Freestyle: five or more on 20 × 20 · 9 moves$/);

  const downloads = await board.downloads();
  await board.page.click('#export-library');
  const exported = await waitForFile(downloads, '.sgf');
  await board.page.click('#library-list .delete');
  await board.page.waitForFunction(
    () => document.querySelectorAll('#library-list li').length === 0,
  );
  const input = await board.page.$('#library-file');
  await input.uploadFile(exported);
  await board.page.waitForFunction(
    () => document.querySelectorAll('#library-list li').length === 1,
  );
  await input.uploadFile(exported);
  await board.page.waitForFunction(() =>
    /0 of its 1 games added/.test(document.getElementById('library-text').textContent),
  );
  await board.page.click('#new-game');
  await board.page.click('#library-list li button:not(.delete)');
  await board.settle();
  assert.deepEqual(await board.stones(), game, 'the game reopened from the library');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('coordinates as renju boards write them: the labels, the list and what is announced', async () => {
  const board = await openPage();
  await openDrawer(board, 'display');
  await board.page.select('#coordinates', 'a1');
  const labels = await board.page.$$eval('.label', (items) =>
    items.map((item) => item.textContent),
  );
  assert.deepEqual([labels[0], labels[19], labels[20]], ['a', 't', '20'], 'a to t, 20 at the top');
  assert.match(await board.cellName(9, 9), /^j11, empty$/);
  await board.play(9, 9);
  assert.match(await board.announced(), /^Orvane plays [a-t]\d{1,2}\.$/);
  assert.match(await board.page.$eval('#move-list li .move', (item) => item.textContent), /j11/);
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('a record or a link pasted opens its game, and the board is saved as a picture', async () => {
  const board = await openPage();
  const context = board.page.browserContext();
  await context.overridePermissions(new URL(board.page.url()).origin, [
    'clipboard-read',
    'clipboard-write',
    'clipboard-sanitized-write',
  ]);
  await board.page.evaluate((text) => navigator.clipboard.writeText(text), `x#${BlackFiveNext}`);
  await openDrawer(board, 'records');
  await board.untilStatusChanges(() => board.page.click('#paste-record'));
  assert.match(await board.status(), /^The pasted link: 8 moves/);
  await board.untilStatusChanges(() =>
    board.page.evaluate(() => {
      const data = new DataTransfer();
      data.setData('text/plain', '(;GM[4]RU[0]SZ[20];B[jj];W[kk])');
      document.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data }));
    }),
  );
  assert.match(await board.status(), /^The pasted record: 2 moves/, 'Ctrl+V on the page');

  await board.page.click('#numbers');
  const downloads = await board.downloads();
  await board.page.click('#save-picture');
  const picture = readFileSync(await waitForFile(downloads, '.png'));
  assert.equal(picture.subarray(1, 4).toString(), 'PNG');
  // Black's stone on 9,9 and the wood beside it, where the picture draws them.
  const [stone, wood] = await board.page.evaluate(async (base64) => {
    const image = await createImageBitmap(
      await (await fetch(`data:image/png;base64,${base64}`)).blob(),
    );
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const centre = (cell) => 46.8 + 36 * cell;
    const pixel = (x, y) => [...context.getImageData(x, y, 1, 1).data.slice(0, 3)];
    return [pixel(centre(9) + 10, centre(9) + 10), pixel(centre(3) + 18, centre(3) + 18)];
  }, picture.toString('base64'));
  assert.ok(Math.max(...stone) < 60, `a black stone: ${stone}`);
  assert.ok(wood[0] > 180 && wood[1] > 130, `the wood: ${wood}`);
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('a phone held upright: the moves are a touch away, and a zoomed board takes moves', async () => {
  const board = await openPage({
    viewport: { width: 390, height: 844, isMobile: true, hasTouch: true },
  });
  const box = (selector) =>
    board.page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
  assert.ok((await box('.jumps')).bottom <= (await box('.board-frame')).top, 'above the board');
  await board.page.click('.jumps a[href="#moves"]');
  const list = await box('#moves');
  assert.ok(list.top >= 0 && list.top < 844, `the moves in sight: ${JSON.stringify(list)}`);

  await board.page.evaluate(() => window.scrollTo(0, 0));
  await board.page.click('#zoom');
  const cell = await box(cellSelector(9, 9));
  assert.ok(cell.width >= 28, `zoomed cells of ${cell.width} pixels`);
  const target = await board.page.$(cellSelector(9, 9));
  await target.tap();
  await target.tap();
  await board.settle();
  assert.equal(await countStones(board), 2, 'played on the zoomed board, and Orvane answered');
  assert.deepEqual(board.errors, [], 'no console errors');
});

async function openDrawer(board, id) {
  await board.page.$eval(`#${id}`, (drawer) => {
    drawer.open = true;
  });
}

async function countStones(board) {
  return (await board.stones()).filter(Boolean).length;
}

function lineKind(board) {
  return board.page.$eval('#line-kind', (text) => text.textContent);
}
