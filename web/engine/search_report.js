// The brain's MESSAGE lines about a search, read as reports: one for each finished depth of the
// strong search's deepening, one for the classic search's whole move.
//   MESSAGE depth D, N nodes, root verdict V, S.ss s     (the classic search)
//   MESSAGE depth D, N nodes, eval E, S.ss s             (the strong search, E for the brain)
//   MESSAGE depth D, N nodes, won in M, S.ss s           (or lost in M: M moves of the winner)
//   MESSAGE line x,y x,y ...                             (the line behind it, the move first)

const DepthLine =
  /^MESSAGE depth (\d+), (\d+) nodes, (?:root verdict (.+)|eval (-?\d+)|(won|lost) in (\d+)), (\d+\.\d\d) s$/;
const CellText = /^(\d+),(\d+)$/;

// { depth, nodes, verdict, seconds } and, from the strong search, `evaluation` or `movesToFive`,
// from a depth line; null for any other line.
export function readDepthLine(text) {
  const match = DepthLine.exec(text);
  if (!match) return null;
  const [, depth, nodes, verdict, evaluation, ending, movesToFive, seconds] = match;
  const report = {
    depth: Number(depth),
    nodes: Number(nodes),
    verdict: verdict ?? ending ?? 'undecided',
  };
  if (evaluation !== undefined) report.evaluation = Number(evaluation);
  if (movesToFive !== undefined) report.movesToFive = Number(movesToFive);
  report.seconds = Number(seconds);
  return report;
}

// The cells of a "MESSAGE line" line, or null for any other line.
export function readThreatLine(text) {
  const cells = fields(text, 'MESSAGE line ', CellText);
  return cells && cells.map(([, x, y]) => ({ x: Number(x), y: Number(y) }));
}

// The matches of `pattern` on every space-separated field after `prefix`, or null when the line
// does not start with it or a field does not match.
export function fields(line, prefix, pattern) {
  if (!line.startsWith(prefix)) return null;
  const matches = line
    .slice(prefix.length)
    .trim()
    .split(' ')
    .map((field) => pattern.exec(field));
  return matches.every(Boolean) ? matches : null;
}

// Reads reply lines as they come and calls `onReport` with each depth's report and its line
// ({ depth, nodes, verdict, seconds, line, ... }), once the line has come, or the next depth line
// or the move has come without one.
export class SearchReports {
  #pending = null;
  #onReport;

  constructor(onReport) {
    this.#onReport = onReport;
  }

  read(text) {
    const depth = readDepthLine(text);
    const line = readThreatLine(text);
    if (line && this.#pending) {
      this.#pending.line = line;
      this.#report();
    } else if (depth || !text.startsWith('MESSAGE')) {
      this.#report();
      if (depth) this.#pending = { ...depth, line: [] };
    }
  }

  #report() {
    const report = this.#pending;
    this.#pending = null;
    if (report) this.#onReport(report);
  }
}
