// How far past its budget pbrain-orvane-strong answers, timed as a manager times it: from the
// moment the last line of a BOARD block is written to the moment the move arrives. Each of the
// 40 bench positions is given at each turn time, with no match time; the budget of such a turn
// is the turn less a fifth (30 to 500 ms). Prints, for every turn time, the longest answer, the
// largest overrun past the budget and how many answers came more than 5 ms past it, and the
// mean share of the budget the answers took, over those the search left undecided (its last
// report an "eval", not a proven win or loss: those are the moves that are not forced).
//
//   node tools/strong_overrun.mjs BRAIN [TURN_MS ...]     (default: 1000 3000)
import { spawn } from 'node:child_process';
import { createInterface } from 'node:readline';

import { benchPosition, benchPositionNames, boardBlock } from './bench_positions.mjs';

const [brainPath, ...turnArguments] = process.argv.slice(2);
if (!brainPath) {
  console.error('usage: node tools/strong_overrun.mjs BRAIN [TURN_MS ...]');
  process.exit(2);
}
const turns = turnArguments.length > 0 ? turnArguments.map(Number) : [1000, 3000];

const budgetOf = (turn) => turn - Math.min(Math.max(Math.floor(turn / 5), 30), 500);

const brain = spawn(brainPath, [], { stdio: ['pipe', 'pipe', 'inherit'] });
const lines = createInterface({ input: brain.stdout });
const waiting = [];
let lastReport = '';
lines.on('line', (line) => {
  if (line.startsWith('MESSAGE depth')) lastReport = line;
  if (!line.startsWith('MESSAGE')) waiting.shift()?.(line.trim());
});
const reply = () => new Promise((resolve) => waiting.push(resolve));

async function answerTime(commands) {
  lastReport = '';
  const answered = reply();
  const start = process.hrtime.bigint();
  brain.stdin.write(commands.map((command) => `${command}\n`).join(''));
  const move = await answered;
  return {
    move,
    milliseconds: Number(process.hrtime.bigint() - start) / 1e6,
    undecided: lastReport.includes(' eval '),
  };
}

const started = reply();
brain.stdin.write('START 20\nINFO timeout_match 0\n');
await started;
for (const turn of turns) {
  brain.stdin.write(`INFO timeout_turn ${turn}\n`);
  let longest = 0;
  let late = 0;
  let undecidedAnswers = 0;
  let undecidedTime = 0;
  for (const name of benchPositionNames()) {
    const { move, milliseconds, undecided } = await answerTime(boardBlock(benchPosition(name)));
    if (undecided) {
      undecidedAnswers += 1;
      undecidedTime += milliseconds;
    }
    if (!/^\d+,\d+$/.test(move)) throw new Error(`${name}: the brain answered "${move}"`);
    longest = Math.max(longest, milliseconds);
    if (milliseconds > budgetOf(turn) + 5) late += 1;
  }
  const overrun = longest - budgetOf(turn);
  console.log(
    `turn ${turn} ms, budget ${budgetOf(turn)} ms: longest answer ${longest.toFixed(1)} ms, ` +
      `${overrun > 0 ? `${overrun.toFixed(1)} ms past` : `${(-overrun).toFixed(1)} ms within`} ` +
      `the budget; ${late} of 40 answers more than 5 ms past it; the ${undecidedAnswers} ` +
      `undecided took ${((100 * undecidedTime) / Math.max(undecidedAnswers, 1) / budgetOf(turn)).toFixed(0)} % ` +
      `of the budget on average`,
  );
}
brain.stdin.write('END\n');
