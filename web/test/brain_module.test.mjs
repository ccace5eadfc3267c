// The WebAssembly brain against pbrain-orvane: the same scripted session, both clocks stopped at
// the same instant, must give the same reply bytes. The time zone is one whose offset is not a
// whole hour, so that a mix-up of local and UTC time changes the random draws.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { benchPosition, boardBlock } from '../../tools/bench_positions.mjs';
import { pbrainBinary, repositoryRoot } from './paths.mjs';

process.env.TZ = 'Asia/Kathmandu';
const FrozenTime = '2026-12-07 13:05:42.378';
const frozenInstant = new Date(2026, 11, 7, 13, 5, 42, 378).getTime();

// A whole match's worth of commands: an opening draw, searched turns, a mid-game position searched
// to full depth, take-backs, stones of neither side, a refused rule, malformed and unknown lines,
// and input after END that must be ignored.
const session = [
  'ABOUT',
  'START 20',
  'INFO timeout_turn 10000',
  'INFO timeout_match 0',
  'BEGIN',
  'TURN 10,10',
  'TURN 9,11',
  'TAKEBACK 9,11',
  'TURN 9,11',
  'TURN 9,11',
  'TURN 20,3',
  'INFO rule 4',
  'TURN 7,13',
  'INFO rule 0',
  'RESTART',
  ...boardBlock(benchPosition('sp1_g001_p021')),
  'TURN 9,12',
  'BOARD',
  '9,9,3',
  '10,10,2',
  '11,11,2',
  'DONE',
  'INFO time_left 900',
  'TURN 12,12',
  'HELLO',
  'x'.repeat(5000),
  'START 19',
  // What follows END in the same input is never read.
  'END\nABOUT',
];

test('the WebAssembly brain replies as pbrain-orvane does, byte for byte', async () => {
  const native = spawnSync('faketime', ['-f', FrozenTime, pbrainBinary], {
    input: session.join('\n') + '\n',
  });
  assert.equal(native.status, 0, native.stderr.toString());

  const brain = await loadModule();
  brain.freezeClock(frozenInstant);
  const replies = session.map((line) => brain.receive(line + '\n')).join('');

  assert.equal(replies, native.stdout.toString('latin1'));
  assert.match(replies, /^MESSAGE depth 10, /m, 'the session reaches a full-depth search');
  const afterEnd = brain.receive('TAKEBACK 12,12\n');
  assert.equal(
    afterEnd,
    'ERROR no stone on 12,12\r\n',
    'after END, a new session on an empty board',
  );
});

// The module as the package ships it, its loader given the .wasm file's bytes: built for browsers,
// it would fetch the file, which Node cannot do from a file URL.
async function loadModule() {
  const packageDirectory = path.join(repositoryRoot, 'build-web/package');
  const { default: createEngine } = await import(
    pathToFileURL(path.join(packageDirectory, 'engine.js'))
  );
  return createEngine({ wasmBinary: readFileSync(path.join(packageDirectory, 'engine.wasm')) });
}
