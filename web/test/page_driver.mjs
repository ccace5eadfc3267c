// The page in headless Chromium for the browser tests: a static server of the site (as
// tools/serve_web.sh serves it), one browser for a test file, and a page in a fresh browser context
// for each use, with the ways a person uses it. Each scenario's pages are closed after it, so that
// no worker of an earlier one runs on.
import { after, afterEach, before } from 'node:test';
import { mkdtempSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { chromiumOptions, startServer } from './local_browser.mjs';
import { siteDirectory } from './paths.mjs';

let server;
let browser;
let scratch;
const openPages = [];

before(async () => {
  scratch = mkdtempSync(path.join(tmpdir(), 'orvane-page-test-'));
  server = await startServer(siteDirectory);
  browser = await puppeteer.launch(chromiumOptions(path.join(scratch, 'profile')));
});

afterEach(async () => {
  for (const page of openPages.splice(0)) {
    const context = page.browserContext();
    if (context === browser.defaultBrowserContext()) await page.close();
    else await context.close().catch(() => {}); // two pages may share a context
  }
});

after(async () => {
  await browser?.close();
  await server?.stop();
  if (scratch) rmSync(scratch, { recursive: true, force: true });
});

export const scratchFolder = () => scratch;
export const theBrowser = () => browser;
export const siteUrl = () => server.url;

// A fresh browser context on the page, ready for the player's move, and the ways to use it.
export async function openPage({
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
    // Has the browser save downloads in a fresh folder, and returns the folder.
    downloads: async () => {
      const folder = mkdtempSync(path.join(scratch, 'downloads-'));
      const session = await page.createCDPSession();
      await session.send('Browser.setDownloadBehavior', {
        behavior: 'allow',
        downloadPath: folder,
        browserContextId: context.id,
      });
      return folder;
    },
    // Runs `action` and waits until the status tells how that went: what the page does on its own
    // time (reading the clipboard, a file) only shows in the status once it is done.
    untilStatusChanges: async (action) => {
      const before = await board.status();
      await action();
      await page.waitForFunction(
        (text) => document.getElementById('status').textContent !== text,
        {},
        before,
      );
      await board.settle();
    },
    // Opens a record file, answers the question of its rule with `rule` when given, and waits until
    // the status tells how that went.
    open: (file, rule) =>
      board.untilStatusChanges(async () => {
        const input = await page.$('#record-file');
        await input.uploadFile(file);
        if (rule) await board.answerRule(rule);
      }),
    // Answers the page's question of a record's rule.
    answerRule: async (rule) => {
      await page.waitForSelector('#rule-dialog[open]');
      await page.select('#record-rule', rule);
      await page.click('#rule-dialog button[value="open"]');
    },
    // Waits until the brain is not at work; polled, since a tab in the background is not drawn.
    settle: () =>
      page.waitForFunction(() => !document.getElementById('status').classList.contains('busy'), {
        timeout: 60000,
        polling: 50,
      }),
  };
  if (ready) await board.settle();
  return board;
}

// The cell (x, y) as the page's board names it in its selectors.
export function cellSelector(x, y) {
  return `.cell[data-x="${x}"][data-y="${y}"]`;
}

// The first file with `extension` that the browser has finished downloading into `directory`.
export async function waitForFile(directory, extension) {
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
