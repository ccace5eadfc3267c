// The page in headless Chromium, used the way a person uses it: clicks, taps and keys, reloads,
// two tabs, records, links, a brain that fails to load, a phone held sideways, the network gone.
// Each scenario runs in a fresh browser context, with its own storage and service worker (see
// page_driver.mjs).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { startServer } from './local_browser.mjs';
import { cellSelector, openPage, scratchFolder, theBrowser, waitForFile } from './page_driver.mjs';
import {
  brainLoaderFiles,
  phoneScreenshotFile,
  screenshotFile,
  sharedRecordsDirectory,
  siteDirectory,
} from './paths.mjs';

// Scattered along the edges: the player builds no threat, so Orvane goes on to win.
// prettier-ignore
const PlayerMoves = [
  [9, 9], [0, 0], [19, 0], [0, 19], [19, 19], [5, 0], [14, 19], [0, 14], [19, 5],
  [2, 17], [17, 2], [11, 18], [18, 8], [1, 9], [8, 1],
];
// A middle game of six stones, black (the player) to move: "moves=" and two letters per move.
const MiddleGame = 'moves=jjkkjkkjlmil';
// Ten stones, black (the player) to move. After any quiet move of black's, white (Orvane) wins
// with a sequence of threats, which the brain finds at full depth (a line of 7 stones).
const WhiteWinsWithThreats = 'moves=fikgfgghlfjinjgkihkj';

test('a game by clicking: legal answers, undo, ignored clicks, a five ends it', async () => {
  const board = await openPage();
  let stones = await board.stones();
  let undoChecked = false;
  let takenClickChecked = false;

  for (const [x, y] of PlayerMoves) {
    if (await board.isOver()) break;
    if (stones[x + 20 * y] !== '') continue;

    if (stones.filter((stone) => stone !== '').length === 4 && !undoChecked) {
      const before = { stones, analysis: await board.answerCount() };
      await board.click(x, y);
      await board.settle();
      await board.page.click('#undo');
      await board.settle();
      assert.deepEqual(await board.stones(), before.stones, 'undo restores the board');
      assert.equal(await board.answerCount(), before.analysis, 'undo drops the answer');
      undoChecked = true;
    }

    // A click while the brain thinks, straight after the player's, must do nothing.
    const ignored = stones.findLastIndex((stone, cell) => stone === '' && cell !== x + 20 * y);
    const [ignoredX, ignoredY] = [ignored % 20, Math.floor(ignored / 20)];
    await board.clickTwiceAtOnce([x, y], [ignoredX, ignoredY]);
    await board.settle();
    const after = await board.stones();
    assert.equal(after[x + 20 * y], 'black', `the player's stone on ${x},${y}`);
    const answers = changedCells(stones, after).filter((cell) => cell !== x + 20 * y);
    assert.equal(answers.length, 1, `one answer to ${x},${y}, on an empty cell`);
    assert.equal(after[answers[0]], 'white');
    assert.notEqual(after[ignored], 'black', 'the click while thinking is ignored');
    assert.equal(
      await board.isOver(),
      hasFive(after, 'white'),
      'the game ends with the first five',
    );
    stones = after;

    if (!takenClickChecked) {
      const taken = answers[0];
      await board.click(taken % 20, Math.floor(taken / 20));
      assert.deepEqual(await board.stones(), stones, 'a click on a taken cell does nothing');
      assert.match(await board.status(), /^Your move/);
      takenClickChecked = true;
    }
  }

  assert.ok(undoChecked && takenClickChecked);
  assert.equal(await board.status(), 'Orvane wins: five in a row.');
  assert.match(await board.announced(), /^Orvane plays \d+,\d+\. Orvane wins: five in a row\.$/);
  const winning = await board.winningCells();
  assert.ok(winning.length >= 5, 'the winning line is highlighted');
  assert.ok(
    winning.every((cell) => stones[cell] === 'white'),
    "the line is Orvane's",
  );
  assert.ok(isStraightRun(winning), 'the highlighted stones make one unbroken line');

  const empty = stones.indexOf('');
  await board.click(empty % 20, Math.floor(empty / 20));
  assert.deepEqual(await board.stones(), stones, 'the finished game takes no more stones');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('Orvane opens the game when it is chosen to start', async () => {
  const board = await openPage();
  await board.page.select('#first-player', 'brain');
  await board.page.click('#new-game');
  await board.settle();
  const stones = await board.stones();
  assert.deepEqual(
    stones.filter((stone) => stone !== ''),
    ['black'],
  );
  assert.equal(await board.status(), 'Your move, you play white.');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('a reload mid-game restores the board, the move list and the brain; New game can be undone', async () => {
  const board = await openPage();
  await board.play(9, 9);
  // Reloaded straight after the player's move: Orvane's answer is still to come.
  await board.click(10, 11);
  await board.page.reload({ waitUntil: 'load' });
  await board.settle();
  const restored = await board.stones();
  assert.equal(restored[9 + 20 * 9], 'black');
  assert.equal(restored[10 + 20 * 11], 'black');
  assert.equal(
    restored.filter((stone) => stone === 'white').length,
    2,
    'Orvane answered both moves',
  );
  assert.equal(await board.listLength(), 4);
  assert.match(await board.status(), /^Your move/);

  await board.page.click('#new-game');
  await board.settle();
  assert.equal((await board.stones()).filter(Boolean).length, 0, 'a new game');
  await board.page.click('#undo');
  await board.settle();
  assert.deepEqual(await board.stones(), restored, 'Undo brings the game back');

  // A reload keeps where the player was looking back, and Orvane's line with its step.
  const reviewPosition = () => board.page.$eval('#review-position', (text) => text.textContent);
  await board.page.click('#back');
  await board.page.reload({ waitUntil: 'load' });
  await board.settle();
  assert.equal(await reviewPosition(), '3 / 4', 'the review place is kept');
  assert.equal((await board.stones()).filter(Boolean).length, 3);
  await board.page.click('#move-list li:nth-child(2) .show-line');
  await board.page.click('#line-back');
  const line = () => board.page.$eval('#line-position', (text) => text.textContent);
  const step = await line();
  await board.page.reload({ waitUntil: 'load' });
  await board.settle();
  assert.equal(await board.page.$eval('#line-view', (view) => view.hidden), false, 'line open');
  assert.equal(await line(), step, "the line's step is kept");
  assert.match(await board.status(), /^Orvane's line for move 2/);
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('two tabs play a game each, both kept in the library, and a closed tab hands its game on', async () => {
  const first = await openPage();
  await first.play(9, 9);
  const context = first.page.browserContext();
  const second = await openPage({ context });
  const count = async (board) => (await board.stones()).filter(Boolean).length;
  assert.equal(await count(second), 0, "the second tab does not take up the first one's game");
  // Both tabs play at the same moment: a tab in the background is not drawn, so it is clicked
  // from within and polled.
  const clickIn = (board, selector) => board.page.$eval(selector, (element) => element.click());
  await Promise.all([clickIn(first, cellSelector(8, 11)), clickIn(second, cellSelector(3, 3))]);
  await Promise.all([first.settle(), second.settle()]);
  await clickIn(second, '#new-game');
  await first.page.reload({ waitUntil: 'load' });
  await first.settle();
  assert.equal(await count(first), 4, "the first tab's game, with both its moves");
  await first.page.$eval('#library', (drawer) => {
    drawer.open = true;
  });
  await first.page.waitForFunction(
    () => document.querySelectorAll('#library-list li').length === 2,
    { polling: 100 },
  );
  const kept = await first.page.$$eval('#library-list li span', (items) =>
    items.map((item) => item.textContent.match(/unfinished · .* (\d+) moves$/)?.[1]),
  );
  assert.deepEqual(kept, ['2', '4'], 'both unfinished games are in the library');
  await first.page.close();
  const third = await openPage({ context });
  assert.equal(await count(third), 4, "a tab opened later takes up the closed tab's game");
  assert.deepEqual([...first.errors, ...second.errors, ...third.errors], [], 'no console errors');
});

test('each level searches to its depth, and the page says when the budget searched less', async () => {
  const board = await openPage();
  await board.play(9, 9);
  assert.match(
    await board.page.$eval('#level-note', (note) => note.textContent),
    /searched 6 plies, not 10: early in the game/,
  );

  await board.goTo(`#${MiddleGame}`);
  for (const level of [2, 6, 8, 10]) {
    await board.page.select('#level', String(level));
    await board.play(4, 15);
    const detail = await board.page.$eval(
      '#move-list li:last-child .detail',
      (item) => item.textContent,
    );
    assert.match(detail, new RegExp(`^depth ${level} · `), `level ${level}`);
    assert.equal(
      await board.page.$eval('#level-note', (note) => note.hidden),
      true,
      'no note at full depth',
    );
    await board.page.click('#undo');
    await board.settle();
  }
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('the Strong level thinks for its time and counts its win to the move that makes five', async () => {
  const board = await openPage();
  const timeHidden = () => board.page.$eval('#thinking-time-field', (field) => field.hidden);
  assert.equal(await timeHidden(), true, 'no thinking time for the classic levels');
  await board.page.select('#level', 'strong');
  assert.equal(await timeHidden(), false);
  await board.page.select('#thinking-time', '1');
  await board.goTo(`#${WhiteWinsWithThreats}`);
  await board.play(0, 19);
  const last = (selector) =>
    board.page.$eval(`#move-list li:last-child ${selector}`, (item) => item.textContent);
  assert.match(
    await last('.detail'),
    /^depth \d+ · [\d,]+ nodes · won in \d+ · [\d.]+ s(, its last depth [\d.]+ s)?$/,
  );
  const words = await last('.words');
  const claimed = Number(words.match(/^sees a win in (\d+) moves, the last making five$/)?.[1]);
  assert.ok(claimed > 1, words);

  // The player answers as Orvane's line expects, then anywhere: the five comes by the move counted.
  await board.page.click('#move-list li:last-child .show-line');
  // Black's stones of the line, in its order.
  const replies = await board.page.$$eval('.cell[data-ghost="black"]', (cells) =>
    cells
      .map((cell) => [Number(cell.textContent), Number(cell.dataset.x), Number(cell.dataset.y)])
      .sort((a, b) => a[0] - b[0])
      .map(([, x, y]) => [x, y]),
  );
  await board.page.click('#line-close');
  let orvaneMoves = 1;
  while (!(await board.isOver()) && orvaneMoves <= claimed) {
    const stones = await board.stones();
    const reply = replies.shift();
    const empty = stones.indexOf('');
    const [x, y] =
      reply && stones[reply[0] + 20 * reply[1]] === '' ? reply : [empty % 20, empty / 20];
    await board.play(x, Math.floor(y));
    orvaneMoves++;
  }
  assert.equal(await board.status(), 'Orvane wins: five in a row.');
  assert.ok(orvaneMoves <= claimed, `the five came with move ${orvaneMoves} of ${claimed}`);
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('the Strong level in play shows each depth it finishes and the seconds it has left', async () => {
  const board = await openPage();
  await board.page.select('#level', 'strong');
  await board.page.select('#thinking-time', '3');
  await board.goTo(`#${MiddleGame}`);
  await board.click(4, 15);
  // Everything the status said while Orvane thought, read from the page as it changed.
  const said = await board.page.evaluate(
    () =>
      new Promise((resolve) => {
        const status = document.getElementById('status');
        const texts = [status.textContent];
        new MutationObserver(() => {
          texts.push(status.textContent);
          if (!status.classList.contains('busy')) resolve(texts);
        }).observe(status, { childList: true, characterData: true, attributes: true });
      }),
  );
  const progress = said
    .map((text) => text.match(/^Orvane is thinking… Depth (\d+) searched, (\d) s left\.$/))
    .filter(Boolean);
  assert.ok(new Set(progress.map((match) => match[1])).size >= 2, said.join(' | '));
  assert.ok(new Set(progress.map((match) => match[2])).size >= 2, said.join(' | '));
  assert.deepEqual(board.errors, [], 'no console errors');
});

test("the panel's small slips: the next game's settings named, whole choices, a line's first stone, a move's time, file names", async () => {
  const board = await openPage();
  const labels = await board.page.$$eval('#rule, #size', (selects) =>
    selects.map((select) => select.closest('label').firstChild.textContent.trim()),
  );
  assert.deepEqual(labels, ["Next game's rule", "Next game's board"]);

  await board.page.select('#mode', 'selfPlay');
  await board.page.select('#black-level', 'strong');
  // A choice is cut off when its select is narrower than one left to its own width.
  const cut = await board.page.$$eval('.settings select', (selects) =>
    selects
      .filter((select) => select.offsetParent !== null)
      .filter((select) => {
        const whole = Object.assign(select.cloneNode(true), { id: '' });
        whole.style.cssText = 'position: absolute; width: auto';
        select.after(whole);
        const narrower = select.offsetWidth < whole.offsetWidth;
        whole.remove();
        return narrower;
      })
      .map((select) => select.id),
  );
  assert.deepEqual(cut, [], 'no choice cut off');
  await board.page.select('#mode', 'orvane');

  await board.goTo(`#${MiddleGame}`);
  await board.page.click('#analyse');
  await board.page.click('#analysis-line');
  await board.page.waitForFunction(
    () =>
      document.querySelectorAll('.cell[data-ghost]').length >= 3 &&
      !document.getElementById('analysis-text').classList.contains('busy'),
    { polling: 100, timeout: 30000 },
  );
  const drawn = await board.page.$$eval('.cell[data-ghost]', (cells) =>
    Object.fromEntries(
      cells.map((cell) => {
        const style = getComputedStyle(cell.querySelector('.overlay'));
        return [cell.textContent, `${style.backgroundColor} ${style.boxShadow}`];
      }),
    ),
  );
  assert.equal(drawn['1'], drawn['3'], "the line's stone 1 is drawn as its stone 3");
  await board.page.click('#analyse');

  await board.page.select('#level', 'strong');
  await board.play(4, 15);
  const detail = await board.page.$eval(
    '#move-list li:last-child .detail',
    (item) => item.textContent,
  );
  const downloads = await board.downloads();
  await board.page.click('#records summary');
  await board.page.click('#save-psq');
  const file = await waitForFile(downloads, '.psq');
  assert.match(path.basename(file), /^orvane-\d{8}-\d{6}-\d{3}\.psq$/, 'named to the millisecond');
  const took = Number(readFileSync(file, 'latin1').split('\r\n')[8].split(',')[2]);
  assert.match(
    detail,
    new RegExp(` · ${(took / 1000).toFixed(2)} s(, its last depth [\\d.]+ s)?$`),
  );
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('review steps back and forth without changing the game, then play goes on', async () => {
  const board = await openPage();
  await board.play(9, 9);
  await board.play(8, 11);
  const game = await board.stones();

  await board.page.click('#back');
  await board.page.focus('#back');
  await board.page.keyboard.press('ArrowLeft');
  assert.equal((await board.stones()).filter(Boolean).length, 2, 'two moves back');
  assert.match(await board.page.$eval('#review-position', (text) => text.textContent), /^2 \/ 4$/);
  assert.match(await board.status(), /^Move 2 of 4: a move played here starts a side line/);
  await board.page.click('#move-list li:nth-child(1) .move');
  assert.equal((await board.stones()).filter(Boolean).length, 1, 'move 1 from the list');
  await board.page.keyboard.press('ArrowRight');
  await board.page.keyboard.press('End');
  assert.deepEqual(await board.stones(), game, 'back at the last move, the game unchanged');

  await board.play(12, 12);
  assert.equal((await board.stones()).filter(Boolean).length, 6, 'play went on');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('a hint shows a cell for the player and leaves the game as it was', async () => {
  const board = await openPage();
  await board.play(9, 9);
  const stones = await board.stones();
  await board.page.click('#hint');
  await board.settle();
  const hinted = await board.page.$$eval('.cell.hinted', (cells) =>
    cells.map((cell) => [Number(cell.dataset.x), Number(cell.dataset.y)]),
  );
  assert.equal(hinted.length, 1);
  const [x, y] = hinted[0];
  assert.equal(stones[x + 20 * y], '', 'the hint is an empty cell');
  assert.deepEqual(await board.stones(), stones, 'nothing was played');
  assert.equal(await board.listLength(), 2);
  assert.match(await board.announced(), new RegExp(`^Hint: Orvane would play ${x},${y} for you`));
  assert.match(await board.cellName(x, y), /, hint$/);

  await board.play(x, y);
  const after = await board.stones();
  assert.equal(after[x + 20 * y], 'black');
  assert.equal(after.filter((stone) => stone === 'white').length, 2, 'Orvane answers as usual');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('records: a saved game opens again with its analysis and times, real records open exactly, bad ones are refused', async () => {
  const board = await openPage();
  const downloads = await board.downloads();
  await board.play(9, 9);
  await board.play(8, 11);
  const analysis = () =>
    board.page.$$eval('#move-list .words, #move-list .detail', (items) =>
      items.map((item) => item.textContent),
    );
  const played = { stones: await board.stones(), analysis: await analysis() };
  await board.page.click('#records summary');
  const save = async (extension) => {
    await board.page.click(`#save-${extension}`);
    const file = await waitForFile(downloads, `.${extension}`);
    const text = readFileSync(file, 'latin1');
    rmSync(file);
    writeFileSync(path.join(scratchFolder(), `saved.${extension}`), text);
    return { text, file: path.join(scratchFolder(), `saved.${extension}`) };
  };

  const sgf = await save('sgf');
  await board.page.click('#new-game');
  await board.open(sgf.file);
  assert.deepEqual(await board.stones(), played.stones, 'SGF: the game back');
  assert.deepEqual(await analysis(), played.analysis, "SGF: Orvane's analysis back");
  await board.page.click('#move-list li:nth-child(2) .show-line');
  assert.ok((await board.page.$$('.cell[data-ghost="white"]')).length > 0, 'its line shows');

  const psq = await save('psq');
  const times = psq.text
    .split('\r\n')
    .slice(1, 5)
    .map((line) => Number(line.split(',')[2]));
  assert.ok(times[1] > 0 && times[3] > 0, `Orvane's moves took real times: ${times}`);
  await board.open(psq.file, 'freestyle');
  assert.equal((await save('psq')).text, psq.text, '.psq opened and saved again: the same times');

  const expected = [
    ['manager-game-1.psq', 43, 'black', [10, 8]],
    ['match-runner-game.sgf', 34, 'white', [9, 8]],
  ];
  for (const [file, count, winner, [x, y]] of expected) {
    await board.open(path.join(sharedRecordsDirectory, file), file.endsWith('.psq') && 'freestyle');
    const stones = await board.stones();
    assert.equal(stones.filter(Boolean).length, count, file);
    assert.equal(await board.listLength(), count, file);
    assert.equal(stones[x + 20 * y], 'black', `${file}: the first move`);
    assert.equal((await board.winningCells()).length, 5, `${file} ends with a five`);
    assert.ok(
      (await board.winningCells()).every((cell) => stones[cell] === winner),
      file,
    );
  }

  const sgfGame = await board.stones();

  const bad = [
    [
      'tall.psq',
      'Piskvorky 15x25, 1:1, 0\r\n8,8,0\r\n',
      /^tall\.psq was not opened\. Line 1: the board is 15 × 25; the page plays on boards from 5 to 20 cells a side/,
    ],
    [
      'taken.sgf',
      '(;GM[4]SZ[20]RU[0];B[jj];W[jj])',
      /^taken\.sgf was not opened\. Line 1, column 26 \(W\[jj\]\): that cell is already taken\.$/,
    ],
    [
      'junk.psq',
      'Piskvorky 20x20, 1:1, 0\r\n10,10,0\r\n1%,3,0\r\n',
      /^junk\.psq was not opened\. Line 3: "1%,3,0" is not a move/,
    ],
  ];
  for (const [name, text, message] of bad) {
    const file = path.join(scratchFolder(), name);
    writeFileSync(file, text);
    await board.open(file);
    assert.match(await board.status(), message, name);
    assert.deepEqual(await board.stones(), sgfGame, `${name} leaves the board as it was`);
  }
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('a link holds the position and opens it; a bad link is refused', async () => {
  const board = await openPage();
  await board.play(9, 9);
  const link = await board.page.$eval('#link', (field) => field.value);
  const stones = await board.stones();

  const other = await openPage({ url: link });
  assert.deepEqual(await other.stones(), stones, 'the link opens the same position');
  assert.match(await other.status(), /^The game from the link: 2 moves/);
  assert.equal(new URL(other.page.url()).hash, '', 'the link is not opened again on reload');

  await other.goTo('#moves=jjjj');
  assert.match(
    await other.status(),
    /^The link's game could not be opened\. The link's move 2 \("jj"\): that cell is already taken\.$/,
  );
  assert.deepEqual(await other.stones(), stones, 'a bad link leaves the board as it was');

  // One Undo after opening a link brings back the game the link replaced.
  await board.goTo(`#${MiddleGame}`);
  assert.equal((await board.stones()).filter(Boolean).length, 6);
  await board.page.click('#undo');
  await board.settle();
  assert.deepEqual(await board.stones(), stones, 'Undo brings back the game before the link');
});

test('a game by keyboard alone: one tab stop, arrows, Enter and Space, with names and announcements', async () => {
  const board = await openPage();
  await board.page.keyboard.press('Tab');
  assert.equal(
    await focusedCellName(board),
    '9,9, empty',
    'the first Tab reaches the board at its middle',
  );
  await board.page.keyboard.press('Enter');
  await board.settle();
  assert.equal(await board.cellName(9, 9), '9,9, black stone');
  assert.match(await board.announced(), /^Orvane plays \d+,\d+\.$/);

  for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowLeft'])
    await board.page.keyboard.press(key);
  assert.equal(await focusedCellName(board), '8,13, empty');
  await board.page.keyboard.press('Space');
  await board.settle();
  assert.equal((await board.stones())[8 + 20 * 13], 'black');
  assert.equal((await board.stones()).filter(Boolean).length, 4);

  await board.page.keyboard.press('Tab');
  assert.equal(
    await board.page.evaluate(() => document.activeElement.closest('#board')),
    null,
    'the next Tab leaves the board',
  );
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('a brain that fails to load or mid-game: a plain message, no moves, "Try again", a new worker', async () => {
  const site = path.join(scratchFolder(), 'site-without-brain');
  cpSync(siteDirectory, site, { recursive: true });
  for (const file of brainLoaderFiles) rmSync(path.join(site, file));
  const broken = await startServer(site);
  try {
    const board = await openPage({ url: broken.url });
    assert.match(
      await board.status(),
      /^Orvane's brain could not be loaded \(.+\)\. The board takes no moves until the brain is back\.$/,
    );
    assert.equal(await board.page.$eval('#try-again', (button) => button.hidden), false);
    await board.click(9, 9);
    assert.equal((await board.stones())[9 + 20 * 9], '', 'the board takes no clicks');

    for (const file of brainLoaderFiles)
      cpSync(path.join(siteDirectory, file), path.join(site, file));
    await board.page.click('#try-again');
    await board.settle();
    assert.equal(await board.status(), 'Your move, you play black.');
    await board.play(9, 9);
    assert.equal((await board.stones()).filter(Boolean).length, 2, 'Orvane plays once it is back');

    // The worker fails at the next question: a new one takes over and answers.
    await board.page
      .workers()
      .at(-1)
      .evaluate(() => {
        self.onmessage = ({ data }) => self.postMessage({ id: data.id, error: 'out of memory' });
      });
    await board.play(8, 13);
    assert.equal((await board.stones()).filter(Boolean).length, 4, 'a new worker answers');
    assert.equal(await board.status(), 'Your move, you play black.');
  } finally {
    await broken.stop();
  }

  const fromFile = await openPage({ url: `file://${siteDirectory}/index.html`, ready: false });
  assert.match(await fromFile.status(), /must be served by a web server.*tools\/serve_web\.sh/);
});

test('a phone held sideways shows the whole board, and a first tap only shows the stone', async () => {
  const board = await openPage({
    viewport: { width: 844, height: 390, isMobile: true, hasTouch: true },
  });
  const frame = await board.page.$eval('.board-frame', (element) =>
    element.getBoundingClientRect().toJSON(),
  );
  assert.ok(
    frame.top >= 0 && frame.left >= 0 && frame.bottom <= 390 && frame.right <= 844,
    `the board at ${JSON.stringify(frame)}`,
  );

  const cell = await board.page.$('.cell[data-x="9"][data-y="9"]');
  await cell.tap();
  assert.equal((await board.stones())[9 + 20 * 9], '', 'the first tap plays nothing');
  assert.match(await board.cellName(9, 9), /shown, tap again to play$/);
  await cell.tap();
  await board.settle();
  assert.equal((await board.stones())[9 + 20 * 9], 'black', 'the second tap plays');

  await board.page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
  await board.settle();
  const upright = await board.page.$eval('.board-frame', (element) =>
    element.getBoundingClientRect().toJSON(),
  );
  assert.ok(
    upright.left >= 0 && upright.right <= 390 && upright.bottom <= 844,
    `upright, the board at ${JSON.stringify(upright)}`,
  );
  await board.page.screenshot({ path: phoneScreenshotFile });
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('after one visit the page loads and plays with the network gone, and can be installed', async () => {
  const own = await startServer(siteDirectory);
  let board;
  try {
    // The browser's own context: a private one cannot install the page.
    board = await openPage({ url: own.url, context: theBrowser().defaultBrowserContext() });
    await board.page.waitForFunction(() => navigator.serviceWorker.controller !== null, {
      timeout: 30000,
    });
    const session = await board.page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, [], 'installable');
  } finally {
    await own.stop();
  }
  await board.page.reload({ waitUntil: 'load' });
  await board.settle();
  assert.equal(await board.status(), 'Your move, you play black.');
  await board.play(9, 9);
  assert.equal((await board.stones()).filter(Boolean).length, 2, 'Orvane answers offline');
});

test("Orvane's line for a won position: numbered stones in turn, and the five comes with the move it counted", async () => {
  const board = await openPage();
  await board.goTo(`#${WhiteWinsWithThreats}`);
  await board.play(0, 19);
  const move = await board.page.$eval('#move-list li:last-child', (item) => ({
    words: item.querySelector('.words').textContent,
    cell: item
      .querySelector('.move')
      .textContent.match(/(\d+),(\d+)/)
      .slice(1)
      .map(Number),
  }));
  const claimed = Number(move.words.match(/^sees a win in (\d+) moves$/)?.[1]);
  assert.ok(claimed > 0, move.words);

  await board.page.click('#move-list li:last-child .show-line');
  const ghosts = await board.page.$$eval(
    '.cell[data-ghost="black"], .cell[data-ghost="white"]',
    (cells) =>
      cells
        .map((cell) => ({
          x: Number(cell.dataset.x),
          y: Number(cell.dataset.y),
          colour: cell.dataset.ghost,
          number: Number(cell.textContent),
        }))
        .sort((a, b) => a.number - b.number),
  );
  assert.ok(ghosts.length >= 3, `a line of ${ghosts.length} stones`);
  assert.deepEqual([ghosts[0].x, ghosts[0].y], move.cell, 'the line starts with the move played');
  ghosts.forEach((ghost, index) => {
    assert.equal(ghost.number, index + 1, 'numbered from 1');
    assert.equal(ghost.colour, index % 2 === 0 ? 'white' : 'black', 'the sides in turn');
  });
  assert.equal(
    (await board.stones())[move.cell[0] + 20 * move.cell[1]],
    '',
    'shown on the position before the move',
  );

  await board.page.click('#heat-map');
  assert.ok((await board.page.$$('.cell.heat')).length > 0, 'the heat map shows the candidates');
  await board.page.evaluate(() => window.scrollTo(0, 0));
  await board.page.screenshot({ path: screenshotFile });

  // The player answers as Orvane's line expects, then anywhere: the five must come with the move
  // that Orvane counted.
  await board.page.click('#line-close');
  const replies = ghosts.filter((ghost) => ghost.colour === 'black');
  let orvaneMoves = 1;
  while (!(await board.isOver()) && orvaneMoves <= claimed) {
    const stones = await board.stones();
    const reply = replies.shift();
    const cell = reply && stones[reply.x + 20 * reply.y] === '' ? reply : null;
    const empty = stones.indexOf('');
    await board.play(cell?.x ?? empty % 20, cell?.y ?? Math.floor(empty / 20));
    orvaneMoves++;
  }
  assert.equal(await board.status(), 'Orvane wins: five in a row.');
  assert.equal(orvaneMoves, claimed, 'the five came with the counted move');
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('axe finds no serious or critical accessibility violation, in play, study and the editor', async () => {
  const board = await openPage();
  await board.play(9, 9);
  // A side line, the analysis, the report's marks and every drawer open.
  await board.page.click('#move-list li:nth-child(1) .move');
  await board.play(12, 12);
  await board.page.click('#analyse');
  for (const drawer of await board.page.$$('details'))
    await drawer.evaluate((element) => {
      element.open = true;
    });
  const require = createRequire(import.meta.url);
  await board.page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  const violations = () =>
    board.page.evaluate(async () => {
      const results = await window.axe.run(document);
      return results.violations
        .filter((violation) => ['serious', 'critical'].includes(violation.impact))
        .map(
          (violation) =>
            `${violation.id}: ${violation.help} (${violation.nodes.map((node) => node.target).join(', ')})`,
        );
    });
  assert.deepEqual(await violations(), []);
  await board.page.click('#edit-board');
  assert.deepEqual(await violations(), [], 'with the editor open');
});

async function focusedCellName(board) {
  return board.page.evaluate(() => document.activeElement.getAttribute('aria-label'));
}

function changedCells(before, after) {
  return after.flatMap((stone, cell) => (stone !== before[cell] ? [cell] : []));
}

// Whether five stones of `colour` stand in a row anywhere on the board.
function hasFive(stones, colour) {
  const directions = [
    [1, 0],
    [0, 1],
    [1, 1],
    [1, -1],
  ];
  return stones.some((_, cell) =>
    directions.some(([dx, dy]) =>
      [0, 1, 2, 3, 4].every((step) => {
        const [x, y] = [(cell % 20) + step * dx, Math.floor(cell / 20) + step * dy];
        return x >= 0 && x < 20 && y >= 0 && y < 20 && stones[x + 20 * y] === colour;
      }),
    ),
  );
}

// Whether the cells, in any order, are consecutive along one of the four directions.
function isStraightRun(cells) {
  const sorted = [...cells].sort((a, b) => a - b);
  const points = sorted.map((cell) => [cell % 20, Math.floor(cell / 20)]);
  const [dx, dy] = [points[1][0] - points[0][0], points[1][1] - points[0][1]];
  if (Math.max(Math.abs(dx), Math.abs(dy)) !== 1) return false;
  return points.every(([x, y], i) => x === points[0][0] + i * dx && y === points[0][1] + i * dy);
}
