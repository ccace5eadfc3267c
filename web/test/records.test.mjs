// Reading and writing game records: the real records that players' programs wrote, games with
// variations, set-up stones and Orvane's analysis read back and written exactly, records with
// variations as other programs write them, and records that must be refused with a message naming
// what and where.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import {
  RecordError,
  RuleNeeded,
  readLink,
  readRecord,
  writeLink,
  writePsq,
  writeSgf,
} from '../records.js';
import { GameTree } from '../variations.js';
import { sharedRecordsDirectory } from './paths.mjs';

const Names = { black: 'You', white: 'Orvane [web]', date: '2026.12.07 10:00:00' };

test('the records written by the manager and the match runner read exactly', () => {
  const cases = [
    ['manager-game-1.psq', 'psq', 43, [10, 8], [1, 3], 'black', [30, 82]],
    ['match-runner-game.sgf', 'sgf', 34, [9, 8], [2, 7], 'white', [undefined, undefined]],
  ];
  for (const [file, format, count, first, last, winner, times] of cases) {
    const text = readFileSync(path.join(sharedRecordsDirectory, file), 'latin1');
    const record = readRecord(text, { rule: 'freestyle' });
    assert.equal(record.format, format, file);
    const { tree } = record.games[0];
    const moves = tree.mainLine;
    assert.equal(moves.length, count, file);
    assert.deepEqual([moves[0].x, moves[0].y], first, file);
    assert.deepEqual([moves.at(-1).x, moves.at(-1).y], last, file);
    assert.equal(tree.game().winner, winner, `${file} ends with a five`);
    assert.deepEqual([moves[0].milliseconds, moves[1].milliseconds], times, `${file}: times`);
  }
  const runner = readRecord(
    readFileSync(path.join(sharedRecordsDirectory, 'match-runner-game.sgf'), 'latin1'),
  ).games[0];
  assert.equal(runner.tree.start.rule, 'freestyle', "the runner's RU[0]");
  assert.equal(runner.tree.mainLine[0].comment, 'opening move');
  assert.equal(runner.tree.mainLine[3].milliseconds, 969, 'the runner\'s "969ms" is a time');
  assert.equal(runner.date, '2026.12.07 15:49:48');
});

test('a game with variations, set-up stones, times, analysis and marks reads back and writes exactly', () => {
  const tree = new GameTree({
    start: {
      size: 20,
      rule: 'caro',
      black: [{ x: 3, y: 3 }],
      white: [{ x: 4, y: 4 }],
      first: 'white',
    },
  });
  const answer = {
    x: 9,
    y: 9,
    level: 10,
    depth: 10,
    nodes: 1234,
    verdict: 'likely won',
    seconds: 0.5,
    line: [
      { x: 9, y: 9 },
      { x: 8, y: 8 },
    ],
    candidates: [
      { x: 9, y: 9, total: 120 },
      { x: 7, y: 7, total: -35 },
    ],
  };
  const first = tree.addMove(tree.root, { x: 9, y: 9, answer, milliseconds: 812 });
  const side = tree.addMove(tree.root, {
    x: 0,
    y: 0,
    comment: 'a side line: "]" \\ and\ntwo lines',
  });
  tree.addMove(side, { x: 1, y: 1, mark: { kind: 'losing', better: { x: 2, y: 2 } } });
  const second = tree.addMove(first, { x: 10, y: 10, mark: { kind: 'missed-win', better: null } });
  // The strong search's answers: an evaluation, and a win counted to the five.
  const strong = { level: 'strong', thinkingTime: 3, depth: 9, nodes: 81234, seconds: 2.7 };
  const evaluated = { ...strong, verdict: 'undecided', evaluation: -82, candidates: [] };
  const won = { ...strong, verdict: 'won', movesToFive: 4, candidates: [] };
  tree.addMove(first, { x: 11, y: 11, answer: { x: 11, y: 11, ...evaluated, line: [] } });
  let node = second;
  for (let index = 0; index < 10; index++) node = tree.addMove(node, { x: index, y: 19 });
  const line = [{ x: 5, y: 5 }];
  node = tree.addMove(node, { x: 5, y: 5, answer: { x: 5, y: 5, ...won, line } });
  markAll(tree.root);
  tree.names = { black: Names.black, white: Names.white };
  tree.select(tree.root);

  const text = writeSgf(tree, Names);
  const read = readRecord(text).games[0].tree;
  assert.deepEqual(read.toJSON(), tree.toJSON(), 'read back: the same tree');
  assert.equal(writeSgf(read, Names), text, 'written again: the same text');
  assert.match(text, /RU\[8\]SZ\[20\]/, "caro's number, as the runner writes rules");
  assert.match(text, /AB\[dd\]AW\[ee\]PL\[W\]\n\(;W\[jj\]C\[812ms\nOrvane at level 10: depth 10/);
  assert.match(text, /C\[a side line: "\\]" \\\\ and\ntwo lines\]/);
  assert.match(text, /C\[Orvane strong, 3 s a move: depth 9, 81234 nodes, won in 4, 2\.70 s\n/);
  assert.deepEqual(
    readLink(writeLink(tree.game())).game().stonesSeenBy('black'),
    tree.game().stonesSeenBy('black'),
    'a link holds the set-up stones and the moves',
  );
});

test('a .psq record keeps its size and the times of the moves, asks for its rule, and refuses a set-up position', () => {
  const text = ['Piskvorky 15x15, 11:11, 0', '8,8,0', '9,9,345', '10,8,7', 'You', 'Orvane', '0']
    .map((line) => `${line}\r\n`)
    .join('');
  assert.throws(() => readRecord(text), RuleNeeded);
  const { tree } = readRecord(text, { rule: 'renju' }).games[0];
  assert.deepEqual([tree.start.size, tree.start.rule], [15, 'renju']);
  assert.equal(writePsq(tree, { black: 'You', white: 'Orvane' }), text);
  const setUp = new GameTree({
    start: { size: 20, rule: 'freestyle', black: [{ x: 1, y: 1 }], white: [], first: 'white' },
  });
  assert.throws(() => writePsq(setUp, Names), /from the empty board only.*save it as SGF/);
});

test('sizes and rules: SGF and links carry them, and each rule decides what ends the game', () => {
  // Black makes six in a row on the top edge at move 11, filling the gap of 0-3 and 5; white's
  // stones are scattered below, and white plays on after the six.
  const six = [0, 1, 2, 3, 5, 4].flatMap((x, index) => [
    { x, y: 0 },
    { x: 2 * index, y: 5 },
  ]);
  six.push({ x: 9, y: 9 });
  const letters = 'abcdefghijklmno';
  const moves = six.map(({ x, y }, i) => `;${i % 2 ? 'W' : 'B'}[${letters[x]}${letters[y]}]`);
  const sgf = (rule) => `(;GM[4]SZ[15]RU[${rule}]${moves.join('')})`;
  assert.throws(() => readRecord(sgf(0)), /already won by move 11/, 'freestyle: the six wins');
  const exact = readRecord(sgf(1)).games[0].tree;
  assert.equal(exact.game().winner, null, 'exactly five: the six does not win');
  assert.deepEqual([exact.start.size, exact.start.rule], [15, 'exact-five']);
  const link = writeLink(exact.game());
  assert.match(link, /^size=15&rule=exact-five&moves=/);
  assert.deepEqual(readLink(link).game().colours, exact.game().colours);
  for (const text of ['(;GM[4]SZ[15];B[hh])', '(;GM[4]RU[Japanese];B[hh])'])
    assert.throws(() => readRecord(text), RuleNeeded, `${text}: no rule the page knows`);
  const caro = readRecord('(;GM[4]SZ[15];B[hh])', { rule: 'caro' }).games[0].tree;
  assert.equal(caro.start.rule, 'caro');
  // A board 15 wide and 9 high: its last cell, and SZ and the link with both sides.
  const oblong = readRecord('(;GM[4]SZ[15:9]RU[0];B[oi])').games[0].tree;
  assert.deepEqual(
    [oblong.start.size, oblong.start.height, oblong.game().colours.length],
    [15, 9, 135],
  );
  assert.match(writeSgf(oblong, { black: '', white: '', date: '' }), /SZ\[15:9\]/);
  assert.deepEqual(readLink(writeLink(oblong.game())).toJSON(), oblong.toJSON());
  assert.throws(
    () => readRecord('(;GM[4]SZ[15:9]RU[0];B[aj])'),
    /a letter from a to o, then one from a to i/,
  );
});

test('SGF with variations as other programs write it: all lines read, the first is the main line', () => {
  const cases = [
    [
      'variations of the first move',
      '(;GM[4]FF[4]SZ[20](;B[jj];W[kk];B[ll])(;B[aa];W[bb]))',
      ['jj kk ll', 'aa bb'],
    ],
    [
      'an older file: long property names, soft line breaks, marks, labels and empty nodes',
      '(;GaMe[4]SiZe[20]PlayerBlack[x]\n;B[jj]LB[kk:A]MA[ll];;W[kk]C[a long\\\ncomment]\n(;B[ll]TR[aa])\n(;B[mm]))',
      ['jj kk ll', 'jj kk mm'],
    ],
    [
      'set-up stones with the first move in the root node, variations inside variations',
      '(;GM[4]SZ[20]AB[jj][kk]AW[ll]W[mm](;B[aa](;W[bb])(;W[cc]))(;B[dd]))',
      ['mm aa bb', 'mm aa cc', 'mm dd'],
    ],
  ];
  for (const [name, text, lines] of cases) {
    const { tree } = readRecord(text, { rule: 'freestyle' }).games[0];
    assert.deepEqual(linesOf(tree.root), lines, name);
  }
});

test('bad records are refused with what is wrong and where', () => {
  const psq = (...moves) =>
    ['Piskvorky 20x20, 1:1, 0', ...moves, 'a.exe', 'b.exe', '0', ''].join('\r\n');
  const cases = [
    ['not a record', 'hello', /not a game record/],
    [
      'psq of a board too high',
      'Piskvorky 15x25, 1:1, 0\r\n1,1,0\r\n',
      /^Line 1: the board is 15 × 25; the page plays on boards from 5 to 20 cells a side/,
    ],
    [
      'psq header garbled',
      'Piskvorky twenty\r\n',
      /^Line 1: "Piskvorky twenty" is not a \.psq header/,
    ],
    ['psq cell off the board', psq('10,10,0', '21,3,5'), /^Line 3: "21,3,5" is off the board/],
    [
      'sgf cell off a small board',
      '(;GM[4]SZ[15];B[pp])',
      /B\[pp\] is not a cell of the board \(two letters from a to o\)/,
    ],
    [
      'psq cell taken',
      psq('10,10,0', '11,10,0', '10,10,0'),
      /^Line 4 \("10,10,0"\): that cell is already taken/,
    ],
    [
      'psq move after a five',
      psq(...fiveAndMore().map(({ x, y }) => `${x + 1},${y + 1},0`)),
      /^Line 11 \("19,19,0"\): the game was already won by move 9/,
    ],
    ['psq bad character in a move', psq('10,10,0', '1a,3,0'), /^Line 3: "1a,3,0" is not a move/],
    [
      'psq control character',
      psq('10,10,0', 'a\u0007.exe'),
      /^Line 3, column 2: a control character \(code 7\)/,
    ],
    ['sgf of another size', '(;GM[4]SZ[21];B[aa])', /^Line 1, column 8: the board is SZ\[21\]/],
    [
      'sgf of another game',
      '(;GM[1]SZ[20];B[aa])',
      /^Line 1, column 3: GM\[1\] is not a Go-moku record/,
    ],
    [
      'sgf cell off the board',
      '(;GM[4]SZ[20];B[jj]\n;W[uz])',
      /^Line 2, column 2: W\[uz\] is not a cell/,
    ],
    [
      'sgf cell taken',
      '(;GM[4]SZ[20];B[jj];W[jj])',
      /^Line 1, column 21 \(W\[jj\]\): that cell is already taken/,
    ],
    [
      'sgf cell taken in a variation',
      '(;GM[4]SZ[20];B[jj](;W[kk])(;W[ll];B[kk];W[jj]))',
      /^Line 1, column 42 \(W\[jj\]\): that cell is already taken/,
    ],
    [
      'sgf move after a five',
      sgfOf(fiveAndMore()),
      /\(W\[ss\]\): the game was already won by move 9/,
    ],
    [
      'sgf move out of turn',
      '(;GM[4]SZ[20];B[jj];B[kk])',
      /^Line 1, column 21: B\[kk\] is out of turn/,
    ],
    [
      'sgf move out of turn in a variation',
      '(;GM[4]SZ[20];B[jj](;W[kk])(;B[kk]))',
      /^Line 1, column 30: B\[kk\] is out of turn: move 2 is white's/,
    ],
    [
      'sgf stray character',
      '(;GM[4]SZ[20];B[jj]x;W[kk])',
      /^Line 1, column 20: "x" is out of place/,
    ],
    [
      'sgf value not closed',
      '(;GM[4]SZ[20];B[jj];W[kk',
      /^Line 1, column 22: the value that opens here has no closing "\]"/,
    ],
    ['sgf game not closed', '(;GM[4]SZ[20];B[jj]', /^Line 1, column 20: the record ends/],
    ['sgf set-up stones on one cell', '(;GM[4]SZ[20]AB[aa][bb]AW[aa])', /Two stones stand on 0,0/],
    [
      'sgf stones set up after the start',
      '(;GM[4]SZ[20];B[jj];AB[aa])',
      /^Line 1, column 21: AB places stones outside the moves/,
    ],
  ];
  for (const [name, text, message] of cases) {
    assert.throws(
      () => readRecord(text, { rule: 'freestyle' }),
      (error) => error instanceof RecordError && message.test(error.message),
      name,
    );
  }
  const links = [
    ['link bad letter', 'moves=jjkz', /letter 4/],
    ['link half a move', 'moves=jjk', /half a move/],
    ['link cell taken', 'moves=jjkkjj', /^The link's move 3 \("jj"\): that cell is already taken/],
    ['link of something else', 'moves=jj&colour=red', /holds "colour"/],
    ['link of an unknown rule', 'rule=gomoku&moves=jj', /rule is "gomoku"/],
    ['link off its board', 'size=9&moves=jj', /that cell is off the 9 × 9 board/],
  ];
  for (const [name, fragment, message] of links) {
    assert.throws(
      () => readLink(fragment),
      (error) => error instanceof RecordError && message.test(error.message),
      name,
    );
  }
  assert.equal(readLink('other=1'), null, 'a fragment without moves holds no game');
});

// Every line of the tree from `node`, each as its moves' SGF letters.
function linesOf(node) {
  const letters = 'abcdefghijklmnopqrst';
  if (node.children.length === 0) return [''];
  return node.children.flatMap((child) =>
    linesOf(child).map((rest) => `${letters[child.x]}${letters[child.y]} ${rest}`.trim()),
  );
}

// Marks every move after `node` as read from a record, as every move of a tree read back is.
function markAll(node) {
  for (const child of node.children) {
    child.fromRecord = true;
    markAll(child);
  }
}

// Black makes five down the first column at move 9, then white plays on at (18,18).
function fiveAndMore() {
  const cells = [];
  for (let y = 0; y < 5; y++) cells.push({ x: 0, y }, { x: 5, y });
  cells.splice(9, 1, { x: 18, y: 18 });
  return cells;
}

function sgfOf(cells) {
  const letters = 'abcdefghijklmnopqrst';
  const nodes = cells.map(
    ({ x, y }, index) => `;${index % 2 ? 'W' : 'B'}[${letters[x]}${letters[y]}]`,
  );
  return `(;GM[4]SZ[20]${nodes.join('')})`;
}
