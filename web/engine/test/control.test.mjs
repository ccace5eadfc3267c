// Control over a move in flight, in Node: the brain on a worker thread, a move of either search
// aborted while it searches and the brain answering on, the progress reports of both searches, and
// the error classes and codes as they cross from the worker.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { benchPosition } from '../../../tools/bench_positions.mjs';
import { importOrvane, projectDirectory } from './installed_package.mjs';

const orvane = await importOrvane();
const { SearchReports } = await import(
  pathToFileURL(path.join(projectDirectory, 'node_modules/orvane/search_report.js'))
);
const frozenClock = 0;
// The bench position whose search at level 10 is the longest (about 0.2 s in WebAssembly).
const slow = benchPosition('sp1_g001_p037');
const quick = '9,9 10,10 9,10';

test('a move aborted in flight rejects with an AbortError, and the worker answers on', async () => {
  const brain = await orvane.createBrainWorker({ frozenClock });
  const inThread = await orvane.createBrain({ frozenClock });
  try {
    // Aborted while its search runs.
    const controller = new AbortController();
    const aborted = brain.move(slow, { level: 10, signal: controller.signal });
    setTimeout(() => controller.abort('enough'), 20);
    await assert.rejects(aborted, (error) => {
      assert.ok(error instanceof orvane.AbortError && error instanceof orvane.OrvaneError);
      assert.equal(error.code, 'ORVANE_ABORTED');
      assert.equal(error.name, 'AbortError');
      assert.equal(error.cause, 'enough');
      return true;
    });
    assert.deepEqual(await brain.move(quick, { level: 6 }), inThread.move(quick, { level: 6 }));

    // Aborted while it waits behind a search: the search in flight is taken up by the new worker.
    const waiting = new AbortController();
    const first = brain.move(slow, { level: 8 });
    const second = brain.move(quick, { level: 6, signal: waiting.signal });
    waiting.abort();
    await assert.rejects(second, { code: 'ORVANE_ABORTED' });
    assert.deepEqual(await first, inThread.move(slow, { level: 8 }));

    // A signal aborted before the move never reaches the brain, in either kind of brain.
    const before = AbortSignal.abort();
    await assert.rejects(brain.move(quick, { signal: before }), { code: 'ORVANE_ABORTED' });
    assert.throws(() => inThread.move(quick, { signal: before }), { code: 'ORVANE_ABORTED' });
  } finally {
    brain.terminate();
  }
});

test("the worker's errors are of the package's classes, with their codes", async () => {
  const brain = await orvane.createBrainWorker({ frozenClock });
  const cases = [
    [() => brain.move('9,9 9,9'), orvane.BadPositionError, 'ORVANE_BAD_POSITION'],
    [() => brain.move('9,9', { rule: 'gomoku' }), orvane.BadOptionError, 'ORVANE_BAD_OPTION'],
    [
      () => brain.move('0,0 1,0 0,1 1,1 0,2 1,2 0,3 1,3 0,4'),
      orvane.GameOverError,
      'ORVANE_GAME_OVER',
    ],
    [
      () => brain.move('0,0 1,0 0,1 1,1 0,2 1,2 0,3 1,3 0,4 1,4'),
      orvane.MoveAfterFiveError,
      'ORVANE_MOVE_AFTER_FIVE',
    ],
  ];
  for (const [call, errorClass, code] of cases) {
    await assert.rejects(call(), (error) => error instanceof errorClass && error.code === code);
  }
  brain.terminate();
  await assert.rejects(brain.move('9,9'), {
    code: 'ORVANE_WORKER_FAILED',
    message: "the brain's worker was terminated",
  });
  const missing = orvane.createBrainWorker({ workerUrl: path.join(projectDirectory, 'none.js') });
  await assert.rejects(missing, { code: 'ORVANE_WORKER_FAILED' });
  await assert.rejects(orvane.createBrain({ wasmUrl: '/none/engine.wasm' }), {
    code: 'ORVANE_LOAD_FAILED',
  });
});

test("the classic search reports once, with the answer's figures and line; a listener's error ends the move", async () => {
  for (const brain of [
    await orvane.createBrain({ frozenClock }),
    await orvane.createBrainWorker({ frozenClock }),
  ]) {
    const reports = [];
    const answer = await brain.move(slow, {
      level: 8,
      onProgress: (report) => reports.push(report),
    });
    const { x, y, candidates, seconds, depthSeconds, ...figures } = answer;
    assert.deepEqual(reports, [{ ...figures, seconds: depthSeconds }]);
    // A listener that throws ends its move with an error of the package's that holds it, and
    // the brain answers on.
    const failing = () => {
      throw new RangeError('listener');
    };
    await assert.rejects(
      async () => brain.move(slow, { level: 8, onProgress: failing }),
      (error) =>
        error instanceof orvane.ListenerFailedError &&
        error.code === 'ORVANE_LISTENER_FAILED' &&
        error.cause instanceof RangeError,
    );
    assert.deepEqual(await brain.move(slow, { level: 8 }), answer);
    brain.terminate();
  }
});

test('a strong move reports each depth it finishes and answers with the last; the classic search follows', async () => {
  const brain = await orvane.createBrainWorker();
  try {
    const reports = [];
    const answer = await brain.move(slow, {
      engine: 'strong',
      seconds: 1,
      onProgress: (report) => reports.push(report),
    });
    assert.ok(reports.length >= 2, `${reports.length} reports`);
    reports.slice(1).forEach((report, index) => {
      assert.ok(report.depth > reports[index].depth, 'one report per depth, deepening');
    });
    const { x, y, candidates, seconds, depthSeconds, ...figures } = answer;
    assert.deepEqual(
      { ...figures, seconds: depthSeconds },
      reports.at(-1),
      "the answer has the last depth's figures",
    );
    assert.deepEqual({ x, y }, figures.line[0], 'the move starts its line');
    assert.equal(typeof answer.evaluation, 'number', 'an open position has an evaluation');
    assert.deepEqual(
      { x: candidates[0].x, y: candidates[0].y, total: candidates[0].total },
      { x, y, total: answer.evaluation },
      'the candidates start with the move and its value',
    );

    // The session goes back to the classic search, with its candidates.
    const classic = await brain.move(slow, { level: 8 });
    assert.equal(classic.depth, 8);
    assert.ok(!('evaluation' in classic) && classic.candidates.length > 0);
  } finally {
    brain.terminate();
  }
});

test('a strong search aborted in flight rejects, and the next move does not wait for its time', async () => {
  const brain = await orvane.createBrainWorker();
  try {
    const controller = new AbortController();
    const aborted = brain.move(slow, {
      engine: 'strong',
      seconds: 60,
      signal: controller.signal,
      onProgress: () => controller.abort('enough'),
    });
    await assert.rejects(aborted, { code: 'ORVANE_ABORTED', cause: 'enough' });
    const started = performance.now();
    const next = await brain.move(quick, { engine: 'strong', seconds: 0.5 });
    // The new worker loads and thinks half a second; the aborted search had a minute.
    assert.ok(performance.now() - started < 20000, 'the next move came without the minute');
    assert.equal(typeof next.evaluation, 'number');
  } finally {
    brain.terminate();
  }
});

test("a listener that throws stops the search, in the worker and in the caller's thread", async () => {
  const failing = () => {
    throw new Error('x');
  };
  const worker = await orvane.createBrainWorker();
  const inThread = await orvane.createBrain();
  try {
    for (const brain of [worker, inThread]) {
      const started = performance.now();
      await assert.rejects(
        async () => brain.move(slow, { engine: 'strong', seconds: 3, onProgress: failing }),
        (error) => error.code === 'ORVANE_LISTENER_FAILED' && error.cause?.message === 'x',
      );
      await brain.move(quick, { level: 2 });
      const seconds = (performance.now() - started) / 1000;
      assert.ok(seconds < 1.5, `the next move answered ${seconds} s after, not 3 s`);
    }
  } finally {
    worker.terminate();
  }
});

test("a worker's isLegal and forbidden answer at once while it thinks", async () => {
  const brain = await orvane.createBrainWorker();
  try {
    const thinking = brain.move(slow, { engine: 'strong', seconds: 3 });
    const renju = { rule: 'renju', size: 15 };
    // Black to move, with a double three at 6,6.
    const doubleThree = '7,6 0,0 8,6 14,0 6,7 0,14 6,8 14,14';
    const started = performance.now();
    assert.equal(await brain.isLegal(slow, { x: 0, y: 0 }), true);
    assert.equal(await brain.isLegal(doubleThree, { x: 6, y: 6 }, renju), false);
    assert.deepEqual(await brain.forbidden(doubleThree, renju), [
      { x: 6, y: 6, reason: 'double-three' },
    ]);
    const seconds = (performance.now() - started) / 1000;
    assert.ok(seconds < 0.5, `answered after ${seconds} s`);
    await thinking;
  } finally {
    brain.terminate();
  }
});

test('an answer says the time the move took, and its last depth its own', async () => {
  const brain = await orvane.createBrain();
  const started = performance.now();
  const answer = brain.move(slow, { engine: 'strong', seconds: 1 });
  const took = (performance.now() - started) / 1000;
  // Both figures are in hundredths of a second.
  assert.ok(Math.abs(answer.seconds - took) < 0.1, `${answer.seconds} of ${took} s`);
  assert.ok(answer.depthSeconds <= answer.seconds + 0.01, `the depth's ${answer.depthSeconds} s`);
});

// Reply lines as the brain writes them, and the reports they must give.
const replyCases = [
  {
    name: 'the classic search',
    lines: [
      'MESSAGE depth 8, 1200 nodes, root verdict likely won, 0.05 s',
      'MESSAGE line 9,9 10,10',
      'MESSAGE candidates 9,9:40',
      '9,9',
    ],
    reports: [
      {
        depth: 8,
        nodes: 1200,
        verdict: 'likely won',
        seconds: 0.05,
        line: [
          [9, 9],
          [10, 10],
        ],
      },
    ],
  },
  {
    name: 'the strong search, deepening until a win',
    lines: [
      'MESSAGE depth 1, 20 nodes, eval 35, 0.00 s',
      'MESSAGE line 7,7',
      'MESSAGE depth 2, 180 nodes, eval -12, 0.01 s',
      'MESSAGE line 7,8 8,8',
      'MESSAGE depth 3, 900 nodes, won in 2, 0.02 s',
      'MESSAGE line 7,8 8,8 7,9',
      '7,8',
    ],
    reports: [
      { depth: 1, nodes: 20, verdict: 'undecided', evaluation: 35, seconds: 0, line: [[7, 7]] },
      {
        depth: 2,
        nodes: 180,
        verdict: 'undecided',
        evaluation: -12,
        seconds: 0.01,
        line: [
          [7, 8],
          [8, 8],
        ],
      },
      {
        depth: 3,
        nodes: 900,
        verdict: 'won',
        movesToFive: 2,
        seconds: 0.02,
        line: [
          [7, 8],
          [8, 8],
          [7, 9],
        ],
      },
    ],
  },
  {
    name: 'a lost search whose depth came without its line',
    lines: [
      'MESSAGE depth 4, 50 nodes, lost in 3, 1.25 s',
      'MESSAGE depth 5, 70 nodes, lost in 3, 1.50 s',
      '3,3',
    ],
    reports: [
      { depth: 4, nodes: 50, verdict: 'lost', movesToFive: 3, seconds: 1.25, line: [] },
      { depth: 5, nodes: 70, verdict: 'lost', movesToFive: 3, seconds: 1.5, line: [] },
    ],
  },
];

test('the MESSAGE lines of both searches give one report per depth', () => {
  for (const { name, lines, reports } of replyCases) {
    const heard = [];
    const reader = new SearchReports((report) => heard.push(report));
    lines.forEach((line) => reader.read(line));
    const expected = reports.map((report) => ({
      ...report,
      line: report.line.map(([x, y]) => ({ x, y })),
    }));
    assert.deepEqual(heard, expected, name);
  }
});
