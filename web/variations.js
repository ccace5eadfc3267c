// The game as a tree of lines. Its main line is the game as played; a move played from an earlier
// position starts a side line beside the moves already there, so that nothing is lost. The page
// follows one line at a time, the current line, from the first move to its end; a move's first
// continuation is its main one.
import { Colours, Game, emptyStart, heightOf, isOnBoard } from './game.js';
import { hasKnownLevel } from './levels.js';
import { MarkKinds } from './report_marks.js';
import { checkedPlayers } from './players.js';
import { DefaultRule, DefaultSize, LargestSize, Rules, SmallestSize } from './rules.js';

// A move of the tree: its cell, what is known about it, and the moves that may follow it.
// - answer: Orvane's answer behind one of its moves ({ x, y, depth, nodes, verdict, seconds, line,
//   candidates, level }, and from the strong search its thinkingTime and its evaluation or
//   movesToFive);
// - milliseconds: how long the move took, when known;
// - mark: the report's mark on it ({ kind, better: { x, y } or null });
// - comment: a record's own comment on it;
// - fromRecord: true for a move that came from a record or a link rather than from play here.
class MoveNode {
  children = [];

  constructor(parent, known = {}) {
    Object.defineProperty(this, 'parent', { value: parent, writable: true });
    Object.assign(this, known);
  }

  get isRoot() {
    return this.parent === null;
  }

  // The moves from the first to this one.
  get path() {
    const path = [];
    for (let node = this; !node.isRoot; node = node.parent) path.unshift(node);
    return path;
  }

  toJSON() {
    const { children, ...known } = this;
    return children.length > 0 ? { ...known, children } : known;
  }
}

export class GameTree {
  root = new MoveNode(null);
  #line = []; // the current line's moves, from the first
  names = null; // { black, white } as a record named the players, or null
  libraryId = null; // the game's place in the library, once kept there

  // start: the board's size and rule, and the stones set up before the first move (emptyStart()
  // for a game of freestyle on 20 × 20 from the empty board); players: { black, white }, who plays
  // each colour.
  constructor({ start = emptyStart(), players } = {}) {
    this.start = start;
    this.players = checkedPlayers(players);
  }

  // The current line's moves, from the first (not to be changed by the caller).
  get line() {
    return this.#line;
  }

  get mainLine() {
    const line = [];
    for (let node = this.root.children[0]; node; node = node.children[0]) line.push(node);
    return line;
  }

  // The position after the first `count` moves of the current line (all of them by default).
  game(count = this.#line.length) {
    const game = new Game(this.start);
    for (const move of this.#line.slice(0, count)) game.play(move);
    return game;
  }

  isOnMainLine(node) {
    return node.path.every((move) => move.parent.children[0] === move);
  }

  // Plays (x, y) after the first `count` moves of the current line, which then runs through it: a
  // move already there is followed; a new one is added, as a side line when other moves already
  // follow that position. The caller has checked that the cell is empty. Returns the move.
  play(count, x, y, known = {}) {
    const parent = count === 0 ? this.root : this.#line[count - 1];
    let node = parent.children.find((child) => child.x === x && child.y === y);
    node ??= this.addMove(parent, { x, y, ...known });
    this.select(node);
    return node;
  }

  // Makes the current line run through `node`, and on along the main continuation from there.
  select(node) {
    const line = node.path;
    for (let next = node.children[0]; next; next = next.children[0]) line.push(next);
    this.#line = line;
  }

  // Makes the line through `node` the main line: at every position on its way it becomes the
  // first continuation.
  promote(node) {
    for (const move of node.path) {
      const siblings = move.parent.children;
      siblings.splice(siblings.indexOf(move), 1);
      siblings.unshift(move);
    }
  }

  // Deletes `node` and every move after it; a current line through it goes back to the position
  // before it, and on along the main continuation from there.
  remove(node) {
    const siblings = node.parent.children;
    siblings.splice(siblings.indexOf(node), 1);
    if (this.#line.includes(node)) this.select(node.parent);
  }

  // Adds a move after `parent` (the root for a first move), with what is known about it, each part
  // checked: a part that is not what it should be is left out. Nothing is played: the caller has
  // checked the move. Returns the move.
  addMove(parent, data) {
    const node = new MoveNode(parent, knownFacts(data, this.start));
    parent.children.push(node);
    return node;
  }

  // Takes the current line's last move back and returns it. It leaves the tree only when no other
  // line goes on from it.
  takeBackLast() {
    const node = this.#line.pop();
    if (node.children.length === 0) this.remove(node);
    return node;
  }

  toJSON() {
    return {
      start: this.start,
      players: this.players,
      names: this.names,
      libraryId: this.libraryId,
      moves: this.root.children,
      line: this.#line.map((node) => node.parent.children.indexOf(node)),
    };
  }

  // A tree kept by toJSON(), checked move by move; throws an Error when the data is not such a
  // tree (the start and every line must be playable).
  static fromJSON(data) {
    const tree = new GameTree({ start: checkedStart(data?.start), players: data?.players });
    if (data.names)
      tree.names = { black: String(data.names.black), white: String(data.names.white) };
    if (Number.isInteger(data.libraryId)) tree.libraryId = data.libraryId;
    const game = Game.replay(tree.start, []);
    addKeptMoves(tree, tree.root, data.moves, game);
    let node = tree.root;
    for (const index of Array.isArray(data.line) ? data.line : []) {
      if (!node.children[index]) break;
      node = node.children[index];
    }
    tree.select(node);
    return tree;
  }
}

// Adds the kept moves `list` to `tree` after `parent`, playing each on `game` to check it.
function addKeptMoves(tree, parent, list, game) {
  if (list === undefined) return;
  if (!Array.isArray(list)) throw new Error('the moves are not a list');
  for (const data of list) {
    game.playChecked({ x: data?.x, y: data?.y }, () => `Move ${game.moves.length + 1}`);
    addKeptMoves(tree, tree.addMove(parent, data), data.children, game);
    game.takeBackLast();
  }
}

// A kept start, checked; a game kept before it had a size and a rule is freestyle on 20 × 20.
function checkedStart(start) {
  if (start === undefined) return emptyStart();
  const { size = DefaultSize, rule = DefaultRule } = start;
  const height = start.height ?? size;
  for (const side of [size, height])
    if (!Number.isInteger(side) || side < SmallestSize || side > LargestSize)
      throw new Error(`the board's side is ${side}`);
  if (!Object.hasOwn(Rules, rule)) throw new Error(`the rule is ${rule}`);
  const cells = (list) => {
    if (!Array.isArray(list) || !list.every(({ x, y } = {}) => isOnBoard(x, y, size, height)))
      throw new Error('the set-up stones are not cells of the board');
    return list.map(({ x, y }) => ({ x, y }));
  };
  if (!Colours.includes(start?.first)) throw new Error('the set-up position has no side to move');
  const [black, white] = [cells(start.black), cells(start.white)];
  return { ...emptyStart(size, rule, height), black, white, first: start.first };
}

// What a move on the board of `start` may carry, each part checked: a part that is not what it
// should be is left out.
function knownFacts({ x, y, answer, milliseconds, mark, comment, fromRecord } = {}, start) {
  const facts = { x, y };
  const isCell = (cell) => isOnBoard(cell?.x, cell?.y, start.size, heightOf(start));
  if (
    isCell(answer) &&
    Array.isArray(answer.line) &&
    answer.line.every(isCell) &&
    Array.isArray(answer.candidates) &&
    answer.candidates.every((candidate) => isCell(candidate) && Number.isFinite(candidate.total)) &&
    ['depth', 'nodes', 'seconds'].every((key) => Number.isFinite(answer[key])) &&
    hasKnownLevel(answer) &&
    typeof answer.verdict === 'string'
  )
    facts.answer = answer;
  if (Number.isSafeInteger(milliseconds) && milliseconds >= 0) facts.milliseconds = milliseconds;
  if (MarkKinds.includes(mark?.kind) && (mark.better === null || isCell(mark.better)))
    facts.mark = { kind: mark.kind, better: mark.better && { x: mark.better.x, y: mark.better.y } };
  if (typeof comment === 'string' && comment !== '') facts.comment = comment;
  if (fromRecord === true) facts.fromRecord = true;
  return facts;
}
