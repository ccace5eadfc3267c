// Game records: reading and writing the two formats that players' programs write, the Windows
// tournament manager's .psq and SGF as the Linux match runner writes it, and the short form of a
// game that a link carries in its fragment. Reading checks everything (the board's size, every
// coordinate, taken cells, moves after a five, stray characters) and either returns the whole game
// or throws a RecordError that says what is wrong and where. Cells are { x, y } from 0, column
// then row, from the top left; the first move is black's.
import { BoardSide, Game, Human } from './game.js';

export class RecordError extends Error {}

const SgfLetters = 'abcdefghijklmnopqrst';
const LinkKey = 'moves=';

// The moves of a .psq or SGF record, told apart by their first characters:
// { format: 'psq' | 'sgf', cells, gameCount }. An SGF file may hold several games (the match
// runner appends each game to one file): the first one is read, the others are checked for syntax.
export function readRecord(text) {
  const content = text.replace(/^\uFEFF/, '');
  if (content.startsWith('Piskvorky')) return { format: 'psq', ...readPsq(content) };
  if (content.trimStart().startsWith('(')) return { format: 'sgf', ...readSgf(content) };
  throw new RecordError(
    'This is not a game record: a .psq record starts with "Piskvorky", an SGF record with "(".',
  );
}

// A .psq record as the manager writes it: "Piskvorky 20x20, X:Y, 0", one line "x,y,ms" per move
// with x and y from 1, then the players' names and a closing line; every line ends in CR LF.
export function writePsq(cells, { black, white, milliseconds = () => 0 }) {
  const lines = [
    `Piskvorky ${BoardSide}x${BoardSide}, 11:11, 0`,
    ...cells.map(({ x, y }, index) => `${x + 1},${y + 1},${milliseconds(index)}`),
    black,
    white,
    '0',
  ];
  return lines.map((line) => `${line}\r\n`).join('');
}

// SGF as the match runner writes it: FF[4], GM[4], SZ[20], the players, the result, then one node
// per move with an optional comment.
export function writeSgf(cells, { black, white, date, winner, comment = () => '' }) {
  const result = {
    black: 'RE[B+1]TE[Black win by five connection]',
    white: 'RE[W+1]TE[White win by five connection]',
  };
  const header =
    `(;FF[4]GM[4]DT[${sgfText(date)}]RU[0]SZ[${BoardSide}]PB[${sgfText(black)}]PW[${sgfText(white)}]` +
    (result[winner] ?? '');
  const nodes = cells.map(({ x, y }, index) => {
    const text = comment(index);
    return `;${index % 2 === 0 ? 'B' : 'W'}[${SgfLetters[x]}${SgfLetters[y]}]${text ? `C[${sgfText(text)}]` : ''}`;
  });
  const rows = [];
  for (let start = 0; start < nodes.length; start += 8)
    rows.push(nodes.slice(start, start + 8).join(''));
  return `${[header, ...rows].join('\n')})\n`;
}

// The fragment of a link that holds the game: "moves=" and two letters a to t per move, column then
// row, as in SGF.
export function writeLink(cells) {
  return LinkKey + cells.map(({ x, y }) => SgfLetters[x] + SgfLetters[y]).join('');
}

// The cells of a link's fragment (without its "#"), or null when the fragment holds no game.
export function readLink(fragment) {
  if (!fragment.startsWith(LinkKey)) return null;
  const letters = fragment.slice(LinkKey.length);
  const bad = letters.search(/[^a-t]/);
  if (bad >= 0)
    throw new RecordError(
      `The link's moves hold "${letters[bad]}" at letter ${bad + 1}: each move is two letters from a to t.`,
    );
  if (letters.length % 2 !== 0)
    throw new RecordError(`The link's moves end in half a move ("${letters.at(-1)}").`);
  const cells = [];
  for (let index = 0; index < letters.length; index += 2)
    cells.push({
      x: SgfLetters.indexOf(letters[index]),
      y: SgfLetters.indexOf(letters[index + 1]),
    });
  checkPlayable(
    cells,
    (index) => `The link's move ${index + 1} ("${letters.slice(2 * index, 2 * index + 2)}")`,
  );
  return cells;
}

function readPsq(text) {
  const lines = text.split('\n').map((line) => line.replace(/\r$/, ''));
  if (lines.at(-1) === '') lines.pop();
  lines.forEach((line, index) => {
    const bad = line.search(/[\u0000-\u001f\u007f]/);
    if (bad >= 0)
      throw new RecordError(
        `Line ${index + 1}, column ${bad + 1}: a control character (code ${line.charCodeAt(bad)}) has no place in a record.`,
      );
  });

  const header = lines[0].match(/^Piskvorky (\d+)x(\d+), \d+:\d+, \d+$/);
  if (!header)
    throw new RecordError(
      `Line 1: "${lines[0]}" is not a .psq header ("Piskvorky 20x20, X:Y, 0").`,
    );
  if (Number(header[1]) !== BoardSide || Number(header[2]) !== BoardSide)
    throw new RecordError(
      `Line 1: the board is ${header[1]} × ${header[2]}; Orvane plays on ${BoardSide} × ${BoardSide} only.`,
    );

  const cells = [];
  const where = [];
  let line = 1;
  for (; line < lines.length; line++) {
    const move = lines[line].match(/^(-?\d+),(-?\d+)(?:,-?\d+)?$/);
    if (!move) break;
    const [x, y] = [Number(move[1]), Number(move[2])];
    if (x < 1 || x > BoardSide || y < 1 || y > BoardSide)
      throw new RecordError(
        `Line ${line + 1}: "${lines[line]}" is off the board (x and y run from 1 to ${BoardSide}).`,
      );
    cells.push({ x: x - 1, y: y - 1 });
    where.push(`Line ${line + 1} ("${lines[line]}")`);
  }
  // After the moves come the players' names and a closing line; none of them may look like a move.
  for (; line < lines.length; line++) {
    if (/^\s*-?\d[^,]*,/.test(lines[line]))
      throw new RecordError(
        `Line ${line + 1}: "${lines[line]}" is not a move ("x,y,milliseconds", whole numbers).`,
      );
  }
  checkPlayable(cells, (index) => where[index]);
  return { cells, gameCount: 1 };
}

function readSgf(text) {
  const reader = new SgfReader(text);
  const games = [];
  reader.skipSpace();
  while (!reader.atEnd()) {
    games.push(reader.gameTree());
    reader.skipSpace();
  }
  const nodes = mainLine(games[0]);
  const cells = [];
  const where = [];
  nodes.forEach((node, index) => {
    for (const { name, values, line, column } of node) {
      const place = `Line ${line}, column ${column}`;
      if (index === 0 && name === 'GM' && values[0] !== '4')
        throw new RecordError(`${place}: GM[${values[0]}] is not a Go-moku record (GM[4]).`);
      if (
        index === 0 &&
        name === 'SZ' &&
        values[0] !== `${BoardSide}` &&
        values[0] !== `${BoardSide}:${BoardSide}`
      )
        throw new RecordError(
          `${place}: the board is SZ[${values[0]}]; Orvane plays on ${BoardSide} × ${BoardSide} only.`,
        );
      if (['AB', 'AW', 'AE'].includes(name))
        throw new RecordError(
          `${place}: ${name} places stones outside the moves; only moves B and W can be read.`,
        );
      if (name !== 'B' && name !== 'W') continue;
      const expected = cells.length % 2 === 0 ? 'B' : 'W';
      if (name !== expected)
        throw new RecordError(
          `${place}: ${name}[${values[0]}] is out of turn: move ${cells.length + 1} is ${expected === 'B' ? "black's" : "white's"}.`,
        );
      const value = values[0];
      const [x, y] = [SgfLetters.indexOf(value[0]), SgfLetters.indexOf(value[1])];
      if (value.length !== 2 || x < 0 || y < 0)
        throw new RecordError(
          `${place}: ${name}[${value}] is not a cell of the board (two letters from a to t).`,
        );
      cells.push({ x, y });
      where.push(`${place} (${name}[${value}])`);
    }
  });
  checkPlayable(cells, (index) => where[index]);
  return { cells, gameCount: games.length };
}

// Checks that the cells can be played in turn: each on an empty cell, none after a five.
function checkPlayable(cells, where) {
  try {
    Game.replay(cells, Human, where);
  } catch (error) {
    throw new RecordError(error.message);
  }
}

// The nodes of a game tree's main line: its own sequence, then its first variation's, and so on.
function mainLine(tree) {
  const nodes = [];
  for (let branch = tree; branch; branch = branch.variations[0]) nodes.push(...branch.nodes);
  return nodes;
}

// Reads SGF's grammar: a game tree is "(", nodes (";" and properties), variations, ")"; a property
// is an identifier of capital letters and one or more values in brackets, where "\" escapes.
class SgfReader {
  #text;
  #at = 0;

  constructor(text) {
    this.#text = text;
  }

  atEnd() {
    return this.#at >= this.#text.length;
  }

  skipSpace() {
    while (!this.atEnd() && /\s/.test(this.#text[this.#at])) this.#at++;
  }

  gameTree() {
    this.#expect('(', 'a game starts with "("');
    const tree = { nodes: [], variations: [] };
    this.skipSpace();
    if (this.#text[this.#at] !== ';') this.#fail('a game\'s first node starts with ";"');
    while (this.#text[this.#at] === ';') {
      this.#at++;
      tree.nodes.push(this.#properties());
    }
    while (this.#text[this.#at] === '(') {
      tree.variations.push(this.gameTree());
      this.skipSpace();
    }
    this.#expect(')', 'a node starts with ";", a variation with "(", and the game ends with ")"');
    return tree;
  }

  #properties() {
    const properties = [];
    this.skipSpace();
    while (/[A-Z]/.test(this.#text[this.#at] ?? '')) {
      const [line, column] = this.#position(this.#at);
      const name = this.#text.slice(this.#at).match(/^[A-Z]+/)[0];
      this.#at += name.length;
      this.skipSpace();
      if (this.#text[this.#at] !== '[')
        this.#fail(`the property ${name} needs a value in brackets`);
      const values = [];
      while (this.#text[this.#at] === '[') {
        values.push(this.#value());
        this.skipSpace();
      }
      properties.push({ name, values, line, column });
    }
    return properties;
  }

  #value() {
    const start = this.#at++;
    let value = '';
    while (!this.atEnd() && this.#text[this.#at] !== ']') {
      if (this.#text[this.#at] === '\\') this.#at++;
      value += this.#text[this.#at++] ?? '';
    }
    if (this.atEnd()) {
      const [line, column] = this.#position(start);
      throw new RecordError(
        `Line ${line}, column ${column}: the value that opens here has no closing "]".`,
      );
    }
    this.#at++;
    return value;
  }

  #expect(character, rule) {
    this.skipSpace();
    if (this.#text[this.#at] !== character) this.#fail(rule);
    this.#at++;
  }

  #fail(rule) {
    const [line, column] = this.#position(this.#at);
    const found = this.atEnd() ? 'the record ends' : `"${this.#text[this.#at]}" is out of place`;
    throw new RecordError(`Line ${line}, column ${column}: ${found}: ${rule}.`);
  }

  #position(offset) {
    const before = this.#text.slice(0, offset).split('\n');
    return [before.length, before.at(-1).length + 1];
  }
}

// A text as an SGF value: "]" and "\" escaped.
function sgfText(text) {
  return String(text).replace(/[\]\\]/g, (character) => `\\${character}`);
}
