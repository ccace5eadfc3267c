// Game records: the two formats that players' programs write, the Windows tournament manager's
// .psq and SGF (as the Linux match runner writes it, with the variations, set-up stones and
// comments that other programs add), and the short form of a position that a link carries in its
// fragment. Each carries the board's size; SGF and the link carry the rule too, and a .psq record
// (or an SGF record without RU) is read under a rule the caller gives. Reading checks everything
// (the board's size, every coordinate, taken cells, moves out of turn or after a five under the
// rule, stray characters) and either returns whole games or throws a RecordError that says what
// is wrong and where. Cells are { x, y } from 0, column then row, from the top left.
import { Black, Game, White, emptyStart, heightOf } from './game.js';
import { commentOf, readComment } from './move_comments.js';
import {
  DefaultRule,
  DefaultSize,
  LargestSize,
  Rules,
  SmallestSize,
  ruleOfRecord,
  sideToMoveProblem,
} from './rules.js';
import { SgfError, readSgf, sgfText } from './sgf.js';
import { GameTree } from './variations.js';

export class RecordError extends Error {}

// The record does not say under which rule its game was played: the caller asks the player, and
// reads it again with the rule.
export class RuleNeeded extends RecordError {
  constructor() {
    super('The record does not say its rule.');
  }
}

const SgfLetters = 'abcdefghijklmnopqrst';
const SgfColours = { B: Black, W: White };

// The games of a .psq or SGF record, told apart by their first characters: { format: 'psq' |
// 'sgf', games: [{ tree, date }] }, where `tree` is a GameTree whose moves are all `fromRecord`
// and `date` the record's date of the game, or null. An SGF file may hold several games (the
// match runner appends each game to one file). A game whose record does not say its rule is read
// under `rule`; without one, RuleNeeded is thrown.
export function readRecord(text, { rule } = {}) {
  const content = text.replace(/^\uFEFF/, '');
  if (content.startsWith('Piskvorky')) return { format: 'psq', games: [readPsq(content, rule)] };
  if (content.trimStart().startsWith('('))
    return { format: 'sgf', games: readSgfGames(content, rule) };
  throw new RecordError(
    'This is not a game record: a .psq record starts with "Piskvorky", an SGF record with "(".',
  );
}

// The main line of `tree` as the manager writes a .psq record: "Piskvorky 15x15, 11:11, 0", one
// line "x,y,ms" per move with x and y from 1, then the players' names and a closing line; every
// line ends in CR LF. A .psq record holds moves from the empty board only.
export function writePsq(tree, { black, white }) {
  if (tree.start.black.length + tree.start.white.length > 0 || tree.start.first !== Black)
    throw new RecordError(
      'A .psq record holds moves from the empty board only, and this game starts from a set-up position: save it as SGF.',
    );
  const lines = [
    `Piskvorky ${tree.start.size}x${heightOf(tree.start)}, 11:11, 0`,
    ...tree.mainLine.map(({ x, y, milliseconds }) => `${x + 1},${y + 1},${milliseconds ?? 0}`),
    black,
    white,
    '0',
  ];
  return lines.map((line) => `${line}\r\n`).join('');
}

// `tree` in SGF as the match runner writes it (FF[4], GM[4], the rule's number in RU, the size in
// SZ, the players, the result of the main line, one node per move with its comment), with the
// set-up stones and every variation.
export function writeSgf(tree, { black, white, date }) {
  const result = {
    black: 'RE[B+1]TE[Black win by five connection]',
    white: 'RE[W+1]TE[White win by five connection]',
  };
  const { start } = tree;
  const setup = [
    start.black.length > 0 ? `AB${start.black.map((cell) => `[${sgfCell(cell)}]`).join('')}` : '',
    start.white.length > 0 ? `AW${start.white.map((cell) => `[${sgfCell(cell)}]`).join('')}` : '',
    start.black.length + start.white.length > 0 || start.first !== Black
      ? `PL[${start.first === Black ? 'B' : 'W'}]`
      : '',
  ].join('');
  const header =
    `(;FF[4]GM[4]DT[${sgfText(date)}]RU[${Rules[start.rule].number}]SZ[${sgfSize(start)}]` +
    `PB[${sgfText(black)}]PW[${sgfText(white)}]` +
    (result[Game.replay(start, tree.mainLine).winner] ?? '') +
    setup;
  return `${header}${sgfBranches(tree.root.children, 0, start.first)})\n`;
}

// The fragment of a link that holds the position of `game`: "moves=" and two letters a to t per
// move, column then row, as in SGF; before it the board's size and the rule when they are not
// freestyle on 20 × 20 ("size=15&rule=renju&", "size=15x19&" for a board 15 wide and 19 high), and
// for a set-up position "black=" and "white=" with the set-up stones and "first=white" when white
// moved first.
export function writeLink(game) {
  const letters = (cells) => cells.map(sgfCell).join('');
  const { start } = game;
  const fields = [];
  if (heightOf(start) !== start.size) fields.push(`size=${start.size}x${heightOf(start)}`);
  else if (start.size !== DefaultSize) fields.push(`size=${start.size}`);
  if (start.rule !== DefaultRule) fields.push(`rule=${start.rule}`);
  if (start.black.length + start.white.length > 0)
    fields.push(`black=${letters(start.black)}`, `white=${letters(start.white)}`);
  if (start.first === White) fields.push('first=white');
  return [...fields, `moves=${letters(game.moves)}`].join('&');
}

// The game of a link's fragment (without its "#"), a GameTree whose moves are `fromRecord`, or null
// when the fragment holds no game.
export function readLink(fragment) {
  if (!/(^|&)moves=/.test(fragment)) return null;
  const fields = new Map(fragment.split('&').map((field) => field.split(/=(.*)/s).slice(0, 2)));
  for (const key of fields.keys()) {
    if (!['size', 'rule', 'moves', 'black', 'white', 'first'].includes(key))
      throw new RecordError(`The link holds "${key}", which is not part of a game.`);
  }
  const [size, height = size] = (fields.get('size') ?? String(DefaultSize)).split('x').map(Number);
  if (!isSize(size) || !isSize(height))
    throw new RecordError(
      `The link's board is "${fields.get('size')}": a side from ${SmallestSize} to ${LargestSize}, or a width and a height ("15x19").`,
    );
  const rule = fields.get('rule') ?? DefaultRule;
  if (!Object.hasOwn(Rules, rule))
    throw new RecordError(
      `The link's rule is "${rule}", not one of ${Object.keys(Rules).join(', ')}.`,
    );
  const cells = (key) => {
    const letters = fields.get(key) ?? '';
    const bad = letters.search(/[^a-t]/);
    if (bad >= 0)
      throw new RecordError(
        `The link's ${key} hold "${letters[bad]}" at letter ${bad + 1}: each stone is two letters from a to t.`,
      );
    if (letters.length % 2 !== 0)
      throw new RecordError(
        `The link's ${key} end in half a ${key === 'moves' ? 'move' : 'stone'} ("${letters.at(-1)}").`,
      );
    return (letters.match(/../g) ?? []).map((pair) => sgfCellOf(pair, LargestSize));
  };
  if (![undefined, 'white', 'black'].includes(fields.get('first')))
    throw new RecordError(`The link's first side is "${fields.get('first')}", not black or white.`);
  const start = {
    ...emptyStart(size, rule, height),
    black: cells('black'),
    white: cells('white'),
    first: fields.get('first') ?? Black,
  };
  const moves = cells('moves');
  return recordTree(start, moves, (index) => {
    const pair = SgfLetters[moves[index].x] + SgfLetters[moves[index].y];
    return `The link's move ${index + 1} ("${pair}")`;
  });
}

// A tree of one line: `moves` ({ x, y } and what the record knows of each) played from `start`,
// checked, every move `fromRecord`; `where(index)` names a move in an error.
function recordTree(start, moves, where) {
  const tree = new GameTree({ start: checkedStart(start, 'The position') });
  const game = Game.startingFrom(tree.start);
  let parent = tree.root;
  moves.forEach((move, index) => {
    playChecked(game, move, () => where(index));
    parent = tree.addMove(parent, { ...move, fromRecord: true });
  });
  tree.select(parent);
  return tree;
}

function readPsq(text, rule) {
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
  const [size, height] = [Number(header[1]), Number(header[2])];
  if (!isSize(size) || !isSize(height))
    throw new RecordError(
      `Line 1: the board is ${header[1]} × ${header[2]}; the page plays on boards from ${SmallestSize} to ${LargestSize} cells a side.`,
    );

  const moves = [];
  const where = [];
  let line = 1;
  for (; line < lines.length; line++) {
    const move = lines[line].match(/^(-?\d+),(-?\d+)(?:,(-?\d+))?$/);
    if (!move) break;
    const [x, y, time] = [Number(move[1]), Number(move[2]), Number(move[3])];
    if (x < 1 || x > size || y < 1 || y > height)
      throw new RecordError(
        `Line ${line + 1}: "${lines[line]}" is off the board (x runs from 1 to ${size}, y from 1 to ${height}).`,
      );
    moves.push(time >= 0 ? { x: x - 1, y: y - 1, milliseconds: time } : { x: x - 1, y: y - 1 });
    where.push(`Line ${line + 1} ("${lines[line]}")`);
  }
  // After the moves come the players' names and a closing line; none of them may look like a move.
  for (; line < lines.length; line++) {
    if (/^\s*-?\d[^,]*,/.test(lines[line]))
      throw new RecordError(
        `Line ${line + 1}: "${lines[line]}" is not a move ("x,y,milliseconds", whole numbers).`,
      );
  }
  // A .psq record does not say its rule.
  if (rule === undefined) throw new RuleNeeded();
  const tree = recordTree(emptyStart(size, rule, height), moves, (index) => where[index]);
  const names = lines.slice(moves.length + 1, moves.length + 3);
  if (names.length === 2) tree.names = { black: names[0], white: names[1] };
  return { tree, date: null };
}

function readSgfGames(text, rule) {
  let trees;
  try {
    trees = readSgf(text);
  } catch (error) {
    if (error instanceof SgfError) throw new RecordError(error.message);
    throw error;
  }
  return trees.map((sgfTree) => new SgfGame(sgfTree, rule).read());
}

// One game tree of an SGF record, read into a GameTree.
class SgfGame {
  #sgfTree;
  #rule; // the rule to read under when the record does not say it
  #size = DefaultSize; // the board's width
  #height = DefaultSize;
  #tree;
  #game;

  constructor(sgfTree, rule) {
    this.#sgfTree = sgfTree;
    this.#rule = rule;
  }

  read() {
    const [root, ...nodes] = this.#sgfTree.nodes;
    const info = this.#readRoot(root);
    this.#tree = new GameTree({ start: info.start });
    this.#tree.names = info.names;
    this.#game = Game.startingFrom(this.#tree.start);
    // Some programs put the first move in the root node.
    const parent = this.#readMoves(root, this.#tree.root);
    this.#readSequence(nodes, this.#sgfTree.variations, parent);
    this.#tree.select(this.#tree.root);
    return { tree: this.#tree, date: info.date };
  }

  // The game's size, rule, set-up stones, side to move first, players' names and date, from its
  // root. Without SZ the board is 20 × 20.
  #readRoot(root) {
    const found = new Map(root.map((property) => [property.name, property]));
    const place = ({ line, column }) => `Line ${line}, column ${column}`;
    const gm = found.get('GM');
    if (gm && gm.values[0] !== '4')
      throw new RecordError(`${place(gm)}: GM[${gm.values[0]}] is not a Go-moku record (GM[4]).`);
    const sz = found.get('SZ');
    if (sz) {
      const [width, height = width] = sz.values[0].split(':').map(Number);
      if (!isSize(width) || !isSize(height))
        throw new RecordError(
          `${place(sz)}: the board is SZ[${sz.values[0]}]; the page plays on boards from ${SmallestSize} to ${LargestSize} cells a side.`,
        );
      [this.#size, this.#height] = [width, height];
    }
    // A rule the page does not know by its number or name is as good as none.
    const rule = found.has('RU') ? ruleOfRecord(found.get('RU').values[0]) : null;
    if (!rule && this.#rule === undefined) throw new RuleNeeded();
    const stones = (name) =>
      (found.get(name)?.values ?? []).map((value) => this.#cell(found.get(name), value));
    const start = {
      ...emptyStart(this.#size, rule ?? this.#rule, this.#height),
      black: stones('AB'),
      white: stones('AW'),
      first: Black,
    };
    const pl = found.get('PL');
    if (pl) start.first = SgfColours[pl.values[0]] ?? Black;
    else if (start.black.length + start.white.length > 0) start.first = this.#firstMoveColour();
    checkedStart(
      start,
      place(found.get('AB') ?? found.get('AW') ?? root[0] ?? { line: 1, column: 1 }),
    );
    const names =
      found.has('PB') || found.has('PW')
        ? { black: found.get('PB')?.values[0] ?? '', white: found.get('PW')?.values[0] ?? '' }
        : null;
    return { start, names, date: found.get('DT')?.values[0] ?? null };
  }

  // The colour of the first move of the main line, for a set-up position that does not say who
  // moves first.
  #firstMoveColour() {
    for (let branch = this.#sgfTree; branch; branch = branch.variations[0]) {
      for (const node of branch.nodes) {
        const move = node.find(({ name }) => name in SgfColours);
        if (move) return SgfColours[move.name];
      }
    }
    return Black;
  }

  // Adds the nodes of one sequence and then its variations after `parent`.
  #readSequence(nodes, variations, parent) {
    let last = parent;
    for (const node of nodes) {
      for (const { name, line, column } of node) {
        if (['AB', 'AW', 'AE'].includes(name))
          throw new RecordError(
            `Line ${line}, column ${column}: ${name} places stones outside the moves; only the first node may set up stones.`,
          );
      }
      last = this.#readMoves(node, last);
    }
    for (const variation of variations) {
      const played = this.#game.moves.length;
      this.#readSequence(variation.nodes, variation.variations, last);
      while (this.#game.moves.length > played) this.#game.takeBackLast();
    }
  }

  // Adds the moves of one node after `parent`, playing them on the game; returns the last.
  #readMoves(node, parent) {
    const comment = node.find(({ name }) => name === 'C')?.values.join('\n') ?? '';
    let last = parent;
    for (const property of node) {
      const colour = SgfColours[property.name];
      if (!colour) continue;
      const { name, values, line, column } = property;
      const place = `Line ${line}, column ${column}`;
      const expected = this.#game.colourToMove;
      if (colour !== expected)
        throw new RecordError(
          `${place}: ${name}[${values[0]}] is out of turn: move ${this.#game.moves.length + 1} is ${expected}'s.`,
        );
      const { x, y } = this.#cell(property, values[0]);
      playChecked(this.#game, { x, y }, () => `${place} (${name}[${values[0]}])`);
      const known = { x, y, ...readComment(comment, x, y), fromRecord: true };
      // A move already there (a variation that repeats it) is the same move.
      last =
        last.children.find((child) => child.x === x && child.y === y) ??
        this.#tree.addMove(last, known);
    }
    return last;
  }

  // The letters of the board's cells, in words.
  #letters() {
    const [last, lastRow] = [SgfLetters[this.#size - 1], SgfLetters[this.#height - 1]];
    return last === lastRow
      ? `two letters from a to ${last}`
      : `a letter from a to ${last}, then one from a to ${lastRow}`;
  }

  #cell({ name, line, column }, value) {
    const cell = sgfCellOf(value, this.#size, this.#height);
    if (!cell)
      throw new RecordError(
        `Line ${line}, column ${column}: ${name}[${value}] is not a cell of the board (${this.#letters()}).`,
      );
    return cell;
  }
}

// Checks that `start` can stand on the board: each stone on the board, one to a cell, no five,
// and in renju black to move when both sides have as many stones.
function checkedStart(start, where) {
  const problem = sideToMoveProblem(start);
  if (problem) throw new RecordError(`${where}: ${problem}`);
  try {
    return Game.startingFrom(start).start;
  } catch (error) {
    throw new RecordError(`${where}: ${error.message}`);
  }
}

function playChecked(game, move, where) {
  try {
    game.playChecked(move, where);
  } catch (error) {
    throw new RecordError(error.message);
  }
}

function sgfCell({ x, y }) {
  return SgfLetters[x] + SgfLetters[y];
}

// The cell of two SGF letters, or null when they are not a cell of a board `size` cells wide and
// `height` high.
function sgfCellOf(value, size, height = size) {
  const [x, y] = [SgfLetters.indexOf(value?.[0]), SgfLetters.indexOf(value?.[1])];
  return value?.length === 2 && x >= 0 && y >= 0 && x < size && y < height ? { x, y } : null;
}

// The board's size as SGF's SZ writes it: "15", or "15:19" for a board 15 wide and 19 high.
function sgfSize(start) {
  return heightOf(start) === start.size ? String(start.size) : `${start.size}:${heightOf(start)}`;
}

function isSize(size) {
  return Number.isInteger(size) && size >= SmallestSize && size <= LargestSize;
}

// The moves after `children`'s position, `depth` moves into the game: a single continuation goes
// on in the same sequence, several become variations, the main one first.
function sgfBranches(children, depth, first) {
  if (children.length === 1) return sgfSequence(children[0], depth, first);
  return children.map((child) => `\n(${sgfSequence(child, depth, first).slice(1)})`).join('');
}

// The moves from `node` on, eight to a line, until the moves branch.
function sgfSequence(node, depth, first) {
  const nodes = [];
  let last = node;
  for (let move = node; move; move = move.children.length === 1 ? move.children[0] : null) {
    const colour = (depth + nodes.length) % 2 === 0 ? first : first === Black ? White : Black;
    const comment = commentOf(move);
    nodes.push(
      `;${colour === Black ? 'B' : 'W'}[${sgfCell(move)}]${comment ? `C[${sgfText(comment)}]` : ''}`,
    );
    last = move;
  }
  const rows = [];
  for (let start = 0; start < nodes.length; start += 8)
    rows.push(nodes.slice(start, start + 8).join(''));
  return `\n${rows.join('\n')}${sgfBranches(last.children, depth + nodes.length, first)}`;
}

// An ISO date ("2026-12-07T10:00:00.000Z") as SGF's DT gives it, as the match runner writes it:
// "2026.12.07 10:00:00".
export function recordDate(isoDate) {
  return isoDate.slice(0, 19).replace('T', ' ').replaceAll('-', '.');
}

// A record's date (SGF's DT, "2026.12.07 10:00:00" or "2026-12-07") as an ISO date, or null when it
// is not a date.
export function isoDateOf(date) {
  const parts = date?.match(/^(\d{4})[.-](\d\d)[.-](\d\d)(?:[ T](\d\d):(\d\d)(?::(\d\d))?)?/);
  if (!parts) return null;
  const [, year, month, day, hour = '00', minute = '00', second = '00'] = parts;
  return `${year}-${month}-${day}T${hour}:${minute}:${second}.000Z`;
}
