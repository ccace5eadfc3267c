// The page in headless Chromium, used the way a person uses it: clicks, taps and keys, reloads,
// records, links, a brain that fails to load, a phone held sideways, the network gone. The site is
// served as static files by Python's http.server, as tools/serve_web.sh serves it; each scenario
// runs in a fresh browser context, with its own storage and service worker.
import { test, before, after, afterEach } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import puppeteer from 'puppeteer-core';
import { chromiumOptions, startServer } from './local_browser.mjs';
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

let server;
let browser;
let scratch;
const openPages = []; // closed after each scenario, so that no worker of an earlier one runs on

before(async () => {
  scratch = mkdtempSync(path.join(tmpdir(), 'orvane-page-test-'));
  server = await startServer(siteDirectory);
  browser = await puppeteer.launch(chromiumOptions(path.join(scratch, 'profile')));
});

afterEach(async () => {
  for (const page of openPages.splice(0)) {
    const context = page.browserContext();
    await (context === browser.defaultBrowserContext() ? page.close() : context.close());
  }
});

after(async () => {
  await browser?.close();
  await server?.stop();
  if (scratch) rmSync(scratch, { recursive: true, force: true });
});

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
  assert.deepEqual(board.errors, [], 'no console errors');
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
  await board.click(0, 0);
  assert.equal((await board.stones())[0], '', 'no move while looking back');
  assert.match(await board.status(), /^You are looking back/);
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

test('records: both real records open exactly, saving then opening gives the game back, bad ones are refused', async () => {
  const board = await openPage();
  const downloads = path.join(scratch, 'downloads');
  const session = await board.page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', {
    behavior: 'allow',
    downloadPath: downloads,
    browserContextId: board.page.browserContext().id,
  });

  const expected = [
    ['manager-game-1.psq', 43, 'black', [10, 8]],
    ['match-runner-game.sgf', 34, 'white', [9, 8]],
  ];
  for (const [file, count, winner, [x, y]] of expected) {
    await board.open(path.join(sharedRecordsDirectory, file));
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
  await board.page.click('summary');
  for (const [button, extension] of [
    ['#save-psq', '.psq'],
    ['#save-sgf', '.sgf'],
  ]) {
    await board.page.click(button);
    const file = await waitForFile(downloads, extension);
    await board.page.click('#new-game');
    await board.open(file);
    assert.deepEqual(await board.stones(), sgfGame, `saved as ${extension} and opened again`);
    rmSync(file);
  }

  const bad = [
    [
      'small.psq',
      'Piskvorky 15x15, 1:1, 0\r\n8,8,0\r\n',
      /^small\.psq was not opened\. Line 1: the board is 15 × 15/,
    ],
    [
      'taken.sgf',
      '(;GM[4]SZ[20];B[jj];W[jj])',
      /^taken\.sgf was not opened\. Line 1, column 21 \(W\[jj\]\): that cell is already taken\.$/,
    ],
    [
      'junk.psq',
      'Piskvorky 20x20, 1:1, 0\r\n10,10,0\r\n1%,3,0\r\n',
      /^junk\.psq was not opened\. Line 3: "1%,3,0" is not a move/,
    ],
  ];
  for (const [name, text, message] of bad) {
    const file = path.join(scratch, name);
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
    await board.page.evaluate(() => document.activeElement.id),
    'level',
    'the next Tab leaves the board',
  );
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('a brain that fails to load or mid-game: a plain message, no moves, "Try again", a new worker', async () => {
  const site = path.join(scratch, 'site-without-brain');
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
    board = await openPage({ url: own.url, context: browser.defaultBrowserContext() });
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

test("Orvane's line for a won position: the move first, then numbered stones in turn", async () => {
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
  assert.match(move.words, /^sees a win in \d+ moves$/);

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
  await board.page.screenshot({ path: screenshotFile });
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('axe finds no serious or critical accessibility violation', async () => {
  const board = await openPage();
  await board.play(9, 9);
  await board.page.click('summary');
  const require = createRequire(import.meta.url);
  await board.page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  const violations = await board.page.evaluate(async () => {
    const results = await window.axe.run(document);
    return results.violations
      .filter((violation) => ['serious', 'critical'].includes(violation.impact))
      .map(
        (violation) =>
          `${violation.id}: ${violation.help} (${violation.nodes.map((node) => node.target).join(', ')})`,
      );
  });
  assert.deepEqual(violations, []);
});

// A fresh browser context on the page, ready for the player's move, and the ways to use it.
async function openPage({
  url = server.url,
  viewport = { width: 1280, height: 860 },
  ready = true,
  context,
} = {}) {
  context ??= await browser.createBrowserContext();
  const page = await context.newPage();
  openPages.push(page);
  await page.setViewport(viewport);
  const errors = [];
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(url, { waitUntil: 'load' });

  const cellSelector = (x, y) => `.cell[data-x="${x}"][data-y="${y}"]`;
  const board = {
    page,
    errors,
    stones: () => page.$$eval('.cell', (cells) => cells.map((cell) => cell.dataset.stone)),
    status: () => page.$eval('#status', (status) => status.textContent),
    announced: () =>
      page
        .waitForFunction(() => document.getElementById('announcer').textContent)
        .then((text) => text.jsonValue()),
    isOver: async () => / wins|Draw/.test(await board.status()),
    answerCount: () => page.$$eval('#move-list .words', (items) => items.length),
    listLength: () => page.$$eval('#move-list li', (items) => items.length),
    cellName: (x, y) => page.$eval(cellSelector(x, y), (cell) => cell.getAttribute('aria-label')),
    winningCells: () =>
      page.$$eval('.cell.winning', (cells) =>
        cells.map((cell) => Number(cell.dataset.x) + 20 * Number(cell.dataset.y)),
      ),
    click: (x, y) => page.click(cellSelector(x, y)),
    // The player's move and Orvane's answer.
    play: async (x, y) => {
      await page.click(cellSelector(x, y));
      await board.settle();
    },
    // Two clicks in one go, so that the second surely meets the brain thinking.
    clickTwiceAtOnce: (first, second) =>
      page.evaluate(
        (cells) => {
          for (const [x, y] of cells)
            document.querySelector(`.cell[data-x="${x}"][data-y="${y}"]`).click();
        },
        [first, second],
      ),
    goTo: async (fragment) => {
      await page.evaluate((hash) => {
        location.hash = hash;
      }, fragment);
      await page.waitForFunction(
        () => location.hash === '' || !location.hash.startsWith('#moves='),
      );
      await board.settle();
    },
    // Opens a record file and waits until the status tells how that went.
    open: async (file) => {
      const before = await board.status();
      const input = await page.$('#record-file');
      await input.uploadFile(file);
      await page.waitForFunction(
        (text) => document.getElementById('status').textContent !== text,
        {},
        before,
      );
      await board.settle();
    },
    settle: () =>
      page.waitForFunction(() => !document.getElementById('status').classList.contains('busy'), {
        timeout: 60000,
      }),
  };
  if (ready) await board.settle();
  return board;
}

async function focusedCellName(board) {
  return board.page.evaluate(() => document.activeElement.getAttribute('aria-label'));
}

// The first file with `extension` that the browser has finished downloading into `directory`.
async function waitForFile(directory, extension) {
  for (let tries = 0; tries < 100; tries++) {
    const names = readdirSafe(directory).filter((name) => name.endsWith(extension));
    if (names.length > 0) return path.join(directory, names[0]);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  throw new Error(`no ${extension} file was downloaded`);
}

function readdirSafe(directory) {
  try {
    return readdirSync(directory);
  } catch {
    return [];
  }
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
