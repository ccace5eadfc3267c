// Reading and writing game records: the real records that players' programs wrote, round trips
// through every format, and records that must be refused with a message naming what and where.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { Game, Human } from '../game.js';
import { RecordError, readLink, readRecord, writeLink, writePsq, writeSgf } from '../records.js';
import { sharedRecordsDirectory } from './paths.mjs';

test('the records written by the manager and the match runner read exactly', () => {
  const cases = [
    {
      file: 'manager-game-1.psq',
      format: 'psq',
      count: 43,
      first: [10, 8],
      last: [1, 3],
      winner: 'black',
    },
    {
      file: 'match-runner-game.sgf',
      format: 'sgf',
      count: 34,
      first: [9, 8],
      last: [2, 7],
      winner: 'white',
    },
  ];
  for (const { file, format, count, first, last, winner } of cases) {
    const record = readRecord(readFileSync(path.join(sharedRecordsDirectory, file), 'latin1'));
    assert.equal(record.format, format, file);
    assert.equal(record.cells.length, count, file);
    assert.deepEqual([record.cells[0].x, record.cells[0].y], first, file);
    assert.deepEqual([record.cells.at(-1).x, record.cells.at(-1).y], last, file);
    const game = Game.replay(record.cells, Human);
    assert.equal(game.colourOf(game.winner), winner, `${file} ends with a five`);
  }
});

test('every format gives back the game it was written from', () => {
  const cells = fiveAndMore().slice(0, 9);
  const players = {
    black: 'You',
    white: 'Orvane [web]',
    date: '2026.12.07 10:00:00',
    winner: 'black',
  };
  const written = {
    psq: writePsq(cells, players),
    sgf: writeSgf(cells, {
      ...players,
      comment: (index) => (index % 2 ? 'depth 10 [won] \\' : ''),
    }),
  };
  for (const [format, text] of Object.entries(written)) {
    const record = readRecord(text);
    assert.equal(record.format, format);
    assert.deepEqual(record.cells, cells, format);
  }
  assert.ok(
    written.psq
      .split('\n')
      .slice(0, -1)
      .every((line) => line.endsWith('\r')),
    'CR LF',
  );
  assert.deepEqual(readLink(writeLink(cells)), cells, 'link');
  assert.equal(readLink('other=1'), null, 'a fragment without moves holds no game');
});

test('an SGF file of several games reads the first and counts them', () => {
  const text = '(;GM[4]SZ[20];B[jj];W[kk])\n(;GM[4]SZ[20];B[aa])\n';
  const record = readRecord(text);
  assert.equal(record.gameCount, 2);
  assert.deepEqual(record.cells, [
    { x: 9, y: 9 },
    { x: 10, y: 10 },
  ]);
});

test('bad records are refused with what is wrong and where', () => {
  const psq = (...moves) =>
    ['Piskvorky 20x20, 1:1, 0', ...moves, 'a.exe', 'b.exe', '0', ''].join('\r\n');
  const cases = [
    ['not a record', 'hello', /not a game record/],
    [
      'psq of another size',
      'Piskvorky 15x15, 1:1, 0\r\n1,1,0\r\n',
      /^Line 1: the board is 15 × 15/,
    ],
    [
      'psq header garbled',
      'Piskvorky twenty\r\n',
      /^Line 1: "Piskvorky twenty" is not a \.psq header/,
    ],
    ['psq cell off the board', psq('10,10,0', '21,3,5'), /^Line 3: "21,3,5" is off the board/],
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
    ['sgf of another size', '(;GM[4]SZ[15];B[aa])', /^Line 1, column 8: the board is SZ\[15\]/],
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
    ['sgf setup stones', '(;GM[4]SZ[20]AB[aa][bb])', /^Line 1, column 14: AB places stones/],
  ];
  for (const [name, text, message] of cases) {
    assert.throws(
      () => readRecord(text),
      (error) => error instanceof RecordError && message.test(error.message),
      name,
    );
  }
  const links = [
    ['link bad letter', 'moves=jjkz', /letter 4/],
    ['link half a move', 'moves=jjk', /half a move/],
    ['link cell taken', 'moves=jjkkjj', /^The link's move 3 \("jj"\): that cell is already taken/],
  ];
  for (const [name, fragment, message] of links) {
    assert.throws(
      () => readLink(fragment),
      (error) => error instanceof RecordError && message.test(error.message),
      name,
    );
  }
});

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
