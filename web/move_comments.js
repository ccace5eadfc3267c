// What a record's comment on a move holds: the time the move took (as the match runner writes it,
// "969ms"), Orvane's answer behind one of its moves, the report's mark, and any other words. The
// comment says them in lines that people can read and that read back exactly:
//
//   969ms
//   Orvane at level 10: depth 10, 1234 nodes, root verdict won, 0.52 s
//   Orvane's line: 9,9 10,10 8,8
//   Orvane's candidates: 9,9:1200 8,8:-35
//   Orvane's report: a win let go; 7,7 was better
import { MarkWords } from './report_marks.js';

const Patterns = {
  time: /^(\d+)ms$/,
  search:
    /^Orvane at level (\d+): depth (\d+), (\d+) nodes, root verdict ([a-z ]+), (\d+\.\d\d) s$/,
  line: /^Orvane's line:((?: \d+,\d+)*)$/,
  candidates: /^Orvane's candidates:((?: \d+,\d+:-?\d+)*)$/,
  report: /^Orvane's report: ([a-z ]+?)(?:; (\d+),(\d+) was better)?$/,
};

// The comment on `move` ({ x, y, answer, milliseconds, mark, comment }), '' when it has none.
export function commentOf({ answer, milliseconds, mark, comment }) {
  const lines = [];
  if (milliseconds !== undefined) lines.push(`${milliseconds}ms`);
  if (answer) {
    const { level, depth, nodes, verdict, seconds, line, candidates } = answer;
    lines.push(
      `Orvane at level ${level}: depth ${depth}, ${nodes} nodes, root verdict ${verdict}, ${seconds.toFixed(2)} s`,
      `Orvane's line:${line.map(({ x, y }) => ` ${x},${y}`).join('')}`,
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
      facts.answer = {
        x,
        y,
        level: Number(level),
        depth: Number(depth),
        nodes: Number(nodes),
        verdict,
        seconds: Number(seconds),
        line: [{ x, y }],
        candidates: [],
      };
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
