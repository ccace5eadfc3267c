// Nodes per second of the WebAssembly brain (the package in build-web/package, under Node) against
// pbrain-orvane (build/src/pbrain-orvane) on the 40 bench positions, each searched to full depth:
// the turn is so long that no search ends on the clock, so both do exactly the same work. The
// clocks run, as they do in play: the search reads the clock after every tried cell, and that is
// part of a node's cost (a clock stopped by faketime would make it several times dearer).
// The brains take turns at every position, `rounds` times (the first argument, 5 by default), and
// each one's fastest rate for each position counts: on a shared machine, the load that slows one
// search seldom lasts through all the rounds. With `strong` as the second argument both play the
// strong search to 5 plies instead, with 64 MB of tables each; since its tables stay from one
// position to the next, the brains search the same nodes in the same round, and a little fewer
// in each round after the first.
import { spawn } from 'node:child_process';
import path from 'node:path';
import { performance } from 'node:perf_hooks';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { benchPosition, benchPositionNames, boardBlock } from './bench_positions.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const rounds = Number(process.argv[2] ?? 5);
const strong = process.argv[3] === 'strong';
const search = strong
  ? ['INFO engine strong', 'INFO max_memory 67108864', 'INFO max_depth 5']
  : ['INFO engine classic'];

// 600 s for a turn, no limit for the match.
const requests = benchPositionNames().map((name) =>
  [
    ...search,
    'INFO timeout_turn 600000',
    'INFO timeout_match 0',
    ...boardBlock(benchPosition(name)),
  ].join('\n'),
);

// The nodes of the search in the reply lines: those of its last depth, which are all of them.
const nodesIn = (lines) =>
  Number(
    lines
      .map((line) => /^MESSAGE depth \d+, (\d+) nodes/.exec(line))
      .filter(Boolean)
      .at(-1)[1],
  );

// pbrain-orvane, started once; `play` sends one request and resolves with its reply lines.
function startNative() {
  const brain = spawn(path.join(root, 'build/src/pbrain-orvane'), {
    stdio: ['pipe', 'pipe', 'inherit'],
  });
  let replies = '';
  let answered = null;
  brain.stdout.setEncoding('latin1');
  brain.stdout.on('data', (text) => {
    replies += text;
    if (/^\d+,\d+\r\n$/m.test(replies)) {
      answered(replies.split('\r\n').slice(0, -1));
      replies = '';
    }
  });
  return {
    play: (request) =>
      new Promise((resolve) => {
        answered = resolve;
        brain.stdin.write(request + '\n');
      }),
    end: () => brain.stdin.end('END\n'),
  };
}

async function timed(play) {
  const started = performance.now();
  const lines = await play();
  return { nodes: nodesIn(lines), seconds: (performance.now() - started) / 1000 };
}

const { createBrain } = await import(pathToFileURL(path.join(root, 'build-web/package/orvane_node.js')));
const module = await createBrain();
const native = startNative();
const fastest = { native: [], module: [] };
const rate = ({ nodes, seconds }) => nodes / seconds;
for (let round = 0; round < rounds; round++) {
  for (const [index, request] of requests.entries()) {
    const results = {
      native: await timed(() => native.play(request)),
      module: await timed(async () => module.command(request)),
    };
    if (results.native.nodes !== results.module.nodes) {
      throw new Error(`position ${index}: ${results.native.nodes} and ${results.module.nodes} nodes`);
    }
    for (const [name, result] of Object.entries(results)) {
      const best = fastest[name][index];
      if (!best || rate(result) > rate(best)) fastest[name][index] = result;
    }
  }
}
native.end();

const total = (results) => ({
  nodes: results.reduce((sum, result) => sum + result.nodes, 0),
  seconds: results.reduce((sum, result) => sum + result.seconds, 0),
});
const [nativeTotal, moduleTotal] = [total(fastest.native), total(fastest.module)];
for (const [name, result] of [
  ['pbrain-orvane', nativeTotal],
  ['WebAssembly  ', moduleTotal],
]) {
  const thousands = Math.round(rate(result) / 1000);
  console.log(
    `${name} ${result.nodes} nodes in ${result.seconds.toFixed(3)} s: ${thousands} k nodes/s`,
  );
}
console.log(`ratio: ${(rate(moduleTotal) / rate(nativeTotal)).toFixed(2)}x native`);
