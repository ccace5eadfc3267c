// The installed package's README examples, run as a user would run them: the Node one in the
// project, the browser one as a page served from the project in headless Chromium (Debian's
// chromium, driven by puppeteer-core). The page then checks the worker's promises: a refusal, a
// move as the in-thread brain gives it, and the end of the worker.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { servedBrowser } from './served_browser.mjs';
import { projectDirectory, repositoryRoot } from './installed_package.mjs';

const readme = readFileSync(path.join(projectDirectory, 'node_modules/orvane/README.md'), 'utf8');
const projectReadme = readFileSync(path.join(repositoryRoot, 'README.md'), 'utf8');
const Verdicts = '(won|likely won|undecided|likely lost|lost)';

// The package README's one example in `language`, checked to be 10 lines at most and to be the
// one the project's README shows.
function example(language) {
  const fence = new RegExp('```' + language + '\\n([\\s\\S]*?)```', 'g');
  const blocks = (text) => [...text.matchAll(fence)].map((block) => block[1]);
  const [code, ...others] = blocks(readme);
  assert.equal(others.length, 0, `one ${language} example in the README`);
  assert.ok(
    code.trimEnd().split('\n').length <= 10,
    `the ${language} example has 10 lines at most`,
  );
  assert.deepEqual(blocks(projectReadme), [code], `the project README shows the same example`);
  return code;
}

test("the README's Node example", () => {
  writeFileSync(path.join(projectDirectory, 'example.mjs'), example('js'));
  const run = spawnSync('node', ['example.mjs'], { cwd: projectDirectory, encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  assert.match(
    run.stdout,
    new RegExp(
      `^Orvane plays \\d+,\\d+: ${Verdicts}, depth 8\\n` +
        `The strong search plays \\d+,\\d+, depth [1-9]\\d*\\n$`,
    ),
  );
});

test("the README's strong search keeps back the share of its time that the engine does", () => {
  const plan = readFileSync(path.join(repositoryRoot, 'src/strong/time_plan.cpp'), 'utf8');
  const divisor = /times\.turn \/ (\d+), 30, 500\)/.exec(plan)?.[1];
  const share = { 4: 'a quarter', 5: 'a fifth', 10: 'a tenth' }[divisor];
  assert.ok(share, `the share of the turn kept back in time_plan.cpp: 1/${divisor}`);
  const words = readme.replace(/\s+/g, ' ');
  assert.match(words, new RegExp(`keeps back ${share} of the time \\(30 to 500 ms\\)`));
});

const served = servedBrowser(projectDirectory);

test("the README's browser example, and the worker's promises", async () => {
  writeFileSync(path.join(projectDirectory, 'index.html'), example('html'));
  const page = await served.browser.newPage();
  const problems = [];
  page.on('console', (message) => {
    const text = message.text();
    if (['error', 'warn'].includes(message.type()) && !text.startsWith('Failed to load')) {
      problems.push(text);
    }
  });
  page.on('pageerror', (error) => problems.push(error.message));
  // The browser asks for a favicon, which the example has none of. A file fetched again may come
  // back as 304, not modified: a failure is a status of 400 or more.
  page.on('response', (response) => {
    if (response.status() >= 400 && !response.url().endsWith('/favicon.ico')) {
      problems.push(`${response.status()} ${response.url()}`);
    }
  });
  await page.goto(`${served.url}index.html`);
  await page.waitForFunction(() => document.body.textContent.startsWith('Orvane plays'), {
    timeout: 30000,
  });
  assert.match(await page.$eval('body', (body) => body.textContent), /^Orvane plays \d+,\d+$/);

  const worker = await page.evaluate(async () => {
    const { createBrain, createBrainWorker, outcome } = await import(
      './node_modules/orvane/orvane.js'
    );
    const brain = await createBrainWorker({ frozenClock: 0 });
    // The worker lent its module to the page's rule judge, which finds black's double three.
    let forbiddenMove = 'no error';
    try {
      outcome('7,6 0,0 8,6 14,0 6,7 0,14 6,8 14,14 6,6', { rule: 'renju', size: 15 });
    } catch (error) {
      forbiddenMove = error.code;
    }
    const messageOf = (promise) =>
      promise.then(
        () => 'no error',
        (error) => error.message,
      );
    const refusal = await messageOf(brain.move('3,3 4,4 3,3', { level: 6 }));
    const answer = await brain.move('3,3 4,4 3,4', { level: 6 });
    const inThread = (await createBrain({ frozenClock: 0 })).move('3,3 4,4 3,4', { level: 6 });
    const about = await brain.command('ABOUT');
    brain.terminate();
    const afterEnd = await messageOf(brain.command('ABOUT'));
    return { refusal, answer, inThread, about, afterEnd, forbiddenMove };
  });
  assert.equal(worker.forbiddenMove, 'ORVANE_FORBIDDEN_MOVE');
  assert.equal(worker.refusal, 'two stones on 3,3: move 1 and move 3');
  assert.deepEqual(worker.answer, worker.inThread);
  assert.equal(worker.answer.depth, 6);
  assert.deepEqual(worker.about, ['name="Orvane", version="1.6", author="Orvane developers"']);
  assert.equal(worker.afterEnd, "the brain's worker was terminated");
  assert.deepEqual(problems, [], 'no errors, warnings or failed requests');
});
