// Nodes per second of the WebAssembly brain (the package in build-web/package, under Node) against
// pbrain-orvane (build/src/pbrain-orvane) on the 40 bench positions, each searched to full depth:
// the turn is so long that no search ends on the clock, so both do exactly the same work. The
// clocks run, as they do in play: the search reads the clock after every tried cell, and that is
// part of a node's cost (a clock stopped by faketime would make it several times dearer). The
// brains take turns at playing all the positions, `rounds` times each (the first argument, 5 by
// default), so that both meet the same load of a shared machine; each one's fastest round counts.
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { performance } from 'node:perf_hooks';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { benchPosition, benchPositionNames, boardBlock } from './bench_positions.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const rounds = Number(process.argv[2] ?? 5);
// 600 s for a turn, no limit for the match.
const requests = benchPositionNames().map((name) =>
  ['INFO timeout_turn 600000', 'INFO timeout_match 0', ...boardBlock(benchPosition(name))].join(
    '\n',
  ),
);

// The nodes of every search in the reply lines.
function nodesIn(lines) {
  return lines
    .map((line) => /^MESSAGE depth \d+, (\d+) nodes/.exec(line))
    .filter(Boolean)
    .reduce((sum, match) => sum + Number(match[1]), 0);
}

function nativeRound() {
  const started = performance.now();
  const run = spawnSync(path.join(root, 'build/src/pbrain-orvane'), {
    input: requests.join('\n') + '\n',
    encoding: 'latin1',
  });
  const seconds = (performance.now() - started) / 1000;
  if (run.status !== 0) throw new Error(`pbrain-orvane failed: ${run.stderr}`);
  return { nodes: nodesIn(run.stdout.split('\r\n')), seconds };
}

const { createBrain } = await import(pathToFileURL(path.join(root, 'build-web/package/orvane.js')));
const brain = await createBrain();
function moduleRound() {
  const started = performance.now();
  const lines = requests.flatMap((request) => brain.command(request));
  return { nodes: nodesIn(lines), seconds: (performance.now() - started) / 1000 };
}

const fastest = (best, result) => (best && best.seconds < result.seconds ? best : result);
let native;
let module;
for (let round = 0; round < rounds; round++) {
  native = fastest(native, nativeRound());
  module = fastest(module, moduleRound());
}
if (native.nodes !== module.nodes) {
  throw new Error(`the brains searched different trees: ${native.nodes} and ${module.nodes} nodes`);
}
const rate = ({ nodes, seconds }) => nodes / seconds;
for (const [name, result] of [
  ['pbrain-orvane', native],
  ['WebAssembly ', module],
]) {
  const thousands = Math.round(rate(result) / 1000);
  console.log(`${name}  ${result.nodes} nodes in ${result.seconds.toFixed(3)} s: ${thousands} k nodes/s`);
}
console.log(`ratio: ${(rate(module) / rate(native)).toFixed(2)}x native`);
