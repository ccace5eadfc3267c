// The page in headless Chromium, played the way a person plays it: by clicking cells and buttons.
// The page is served as static files by Python's http.server, as tools/serve_web.sh serves it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { screenshotFile, siteDirectory } from './paths.mjs';

// Scattered along the edges: the player builds no threat, so Orvane goes on to win.
// prettier-ignore
const PlayerMoves = [
  [9, 9], [0, 0], [19, 0], [0, 19], [19, 19], [5, 0], [14, 19], [0, 14], [19, 5],
  [2, 17], [17, 2], [11, 18], [18, 8], [1, 9], [8, 1],
];

let server;
let browser;
let profile;

before(async () => {
  server = await startServer(siteDirectory);
  profile = mkdtempSync(path.join(tmpdir(), 'orvane-chromium-'));
  browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
});

after(async () => {
  await browser?.close();
  server?.process.kill();
  if (profile) rmSync(profile, { recursive: true, force: true });
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
      const before = { stones, analysis: await board.analysisCount() };
      await board.click(x, y);
      await board.settle();
      await board.clickButton('#undo');
      await board.settle();
      assert.deepEqual(await board.stones(), before.stones, 'undo restores the board');
      assert.equal(await board.analysisCount(), before.analysis, 'undo drops the answer');
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

  await board.page.screenshot({ path: screenshotFile });
  assert.deepEqual(board.errors, [], 'no console errors');
});

test('Orvane opens the game when it is chosen to start', async () => {
  const board = await openPage();
  await board.page.select('#first-player', 'brain');
  await board.clickButton('#new-game');
  await board.settle();
  const stones = await board.stones();
  assert.deepEqual(
    stones.filter((stone) => stone !== ''),
    ['black'],
  );
  assert.equal(await board.status(), 'Your move, you play white.');
  assert.deepEqual(board.errors, [], 'no console errors');
});

// A fresh tab on the page, ready for the player's first move, and the ways to use it.
async function openPage() {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 860 });
  const errors = [];
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(server.url, { waitUntil: 'load' });

  const board = {
    page,
    errors,
    stones: () => page.$$eval('.cell', (cells) => cells.map((cell) => cell.dataset.stone)),
    status: () => page.$eval('#status', (status) => status.textContent),
    isOver: async () => / wins|Draw/.test(await board.status()),
    analysisCount: () => page.$$eval('#analysis li', (items) => items.length),
    winningCells: () =>
      page.$$eval('.cell.winning', (cells) =>
        cells.map((cell) => Number(cell.dataset.x) + 20 * Number(cell.dataset.y)),
      ),
    click: (x, y) => page.click(`.cell[data-x="${x}"][data-y="${y}"]`),
    clickButton: (selector) => page.click(selector),
    // Two clicks in one go, so that the second surely meets the brain thinking.
    clickTwiceAtOnce: (first, second) =>
      page.evaluate(
        (cells) => {
          for (const [x, y] of cells)
            document.querySelector(`.cell[data-x="${x}"][data-y="${y}"]`).click();
        },
        [first, second],
      ),
    settle: () =>
      page.waitForFunction(() => !document.getElementById('status').classList.contains('busy'), {
        timeout: 60000,
      }),
  };
  await board.settle();
  assert.deepEqual(
    (await board.stones()).filter((stone) => stone !== ''),
    [],
    'a new game starts on an empty board',
  );
  return board;
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

// Python's http.server on a free port of the loopback address, serving `directory`.
function startServer(directory) {
  return new Promise((resolve, reject) => {
    const process = spawn(
      'python3',
      ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', directory],
      { stdio: ['ignore', 'pipe', 'ignore'] },
    );
    process.on('error', reject);
    process.stdout.on('data', (text) => {
      const port = String(text).match(/port (\d+)/)?.[1];
      if (port) resolve({ process, url: `http://127.0.0.1:${port}/` });
    });
  });
}
