// What a record's comment on a move holds: the time the move took (as the match runner writes it,
// "969ms"), Orvane's answer behind one of its moves, the report's mark, and any other words. The
// comment says them in lines that people can read and that read back exactly:
//
//   969ms
//   Orvane at level 10: depth 10, 1234 nodes, root verdict won, 0.52 s
//   Orvane's line: 9,9 10,10 8,8
//   Orvane's candidates: 9,9:1200 8,8:-35
//   Orvane's report: a win let go; 7,7 was better
//
// and for the strong search, which has a value in place of the verdict (none for an opening move)
// and no candidates (an answer without candidates has no candidates line):
//
//   Orvane strong, 3 s a move: depth 14, 81234 nodes, eval -82, 2.70 s
//   Orvane strong, 1 s a move: depth 5, 3040 nodes, won in 4, 0.02 s
import { Strong } from './levels.js';
import { MarkWords } from './report_marks.js';

const Patterns = {
  time: /^(\d+)ms$/,
  search:
    /^Orvane at level (\d+): depth (\d+), (\d+) nodes, root verdict ([a-z ]+), (\d+\.\d\d) s$/,
  strong:
    /^Orvane strong, (\d+) s a move: depth (\d+), (\d+) nodes,(?: eval (-?\d+),| (won|lost) in (\d+),)? (\d+\.\d\d) s$/,
  line: /^Orvane's line:((?: \d+,\d+)*)$/,
  candidates: /^Orvane's candidates:((?: \d+,\d+:-?\d+)*)$/,
  report: /^Orvane's report: ([a-z ]+?)(?:; (\d+),(\d+) was better)?$/,
};

// The comment on `move` ({ x, y, answer, milliseconds, mark, comment }), '' when it has none.
export function commentOf({ answer, milliseconds, mark, comment }) {
  const lines = [];
  if (milliseconds !== undefined) lines.push(`${milliseconds}ms`);
  if (answer) {
    const { depth, nodes, seconds, line, candidates } = answer;
    lines.push(
      `${searchWords(answer)}: depth ${depth}, ${nodes} nodes,${valueWords(answer)} ${seconds.toFixed(2)} s`,
      `Orvane's line:${line.map(({ x, y }) => ` ${x},${y}`).join('')}`,
    );
    if (candidates.length > 0)
      lines.push(
        `Orvane's candidates:${candidates.map(({ x, y, total }) => ` ${x},${y}:${total}`).join('')}`,
      );
  }
  if (mark) {
    const better = mark.better ? `; ${mark.better.x},${mark.better.y} was better` : '';
    lines.push(`Orvane's report: ${MarkWords[mark.kind]}${better}`);
  }
  if (comment) lines.push(comment);
  return lines.join('\n');
}

// How the answer was searched: at a level, or by the strong search for a time.
function searchWords({ level, thinkingTime }) {
  return level === Strong ? `Orvane strong, ${thinkingTime} s a move` : `Orvane at level ${level}`;
}

// The verdict of the classic search, the value of the strong one, each after a space and before a
// comma: '' for an opening move of the strong search.
function valueWords({ level, verdict, evaluation, movesToFive }) {
  if (level !== Strong) return ` root verdict ${verdict},`;
  if (evaluation !== undefined) return ` eval ${evaluation},`;
  return movesToFive === undefined ? '' : ` ${verdict} in ${movesToFive},`;
}

// What the comment `text` on the move at (x, y) tells: { answer, milliseconds, mark, comment },
// each only when the comment holds it.
export function readComment(text, x, y) {
  const facts = {};
  const others = [];
  for (const line of text.split(/\r?\n/)) {
    const [kind, match] = Object.entries(Patterns)
      .map(([name, pattern]) => [name, pattern.exec(line)])
      .find(([, found]) => found) ?? [null, null];
    if (kind === 'time') facts.milliseconds = Number(match[1]);
    else if (kind === 'search') {
      const [, level, depth, nodes, verdict, seconds] = match;
      facts.answer = answerOf(x, y, { level: Number(level), verdict }, depth, nodes, seconds);
    } else if (kind === 'strong') {
      const [, time, depth, nodes, evaluation, verdict, moves, seconds] = match;
      const value = { verdict: verdict ?? 'undecided' };
      if (evaluation !== undefined) value.evaluation = Number(evaluation);
      if (moves !== undefined) value.movesToFive = Number(moves);
      const search = { level: Strong, thinkingTime: Number(time), ...value };
      facts.answer = answerOf(x, y, search, depth, nodes, seconds);
    } else if (kind === 'line' && facts.answer) facts.answer.line = cellsOf(match[1]);
    else if (kind === 'candidates' && facts.answer) {
      facts.answer.candidates = match[1]
        .trim()
        .split(' ')
        .filter(Boolean)
        .map((field) => {
          const [cell, total] = field.split(':');
          return { ...cellsOf(cell)[0], total: Number(total) };
        });
    } else if (kind === 'report' && reportKind(match[1])) {
      const better = match[2] === undefined ? null : { x: Number(match[2]), y: Number(match[3]) };
      facts.mark = { kind: reportKind(match[1]), better };
    } else others.push(line);
  }
  const comment = others.join('\n').trim();
  if (comment !== '') facts.comment = comment;
  return facts;
}

// An answer read from a comment, its line the move alone until the comment gives it.
function answerOf(x, y, search, depth, nodes, seconds) {
  const figures = { depth: Number(depth), nodes: Number(nodes), seconds: Number(seconds) };
  return { x, y, ...search, ...figures, line: [{ x, y }], candidates: [] };
}

function cellsOf(text) {
  return text
    .trim()
    .split(' ')
    .filter(Boolean)
    .map((field) => {
      const [x, y] = field.split(',').map(Number);
      return { x, y };
    });
}

function reportKind(words) {
  return Object.keys(MarkWords).find((kind) => MarkWords[kind] === words);
}
