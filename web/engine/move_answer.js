// The brain's answer to a move request, read from its reply lines.

const SearchMessage = /^MESSAGE depth (\d+), (\d+) nodes, root verdict (.+), (\d+\.\d\d) s$/;
const CellText = /^(\d+),(\d+)$/;
const CandidateText = /^(\d+),(\d+):(-?\d+)$/;

// { x, y, depth, nodes, verdict, seconds, line, candidates } from the reply lines of one move
// request. A move drawn without a search (the opening) has depth 0; a brain that does not tell
// the threat line or the candidates leaves the line at the move alone and the candidates empty.
// An ERROR reply is thrown as an Error with the brain's reason.
export function readAnswer(lines) {
  const error = lines.find((line) => line.startsWith('ERROR'));
  if (error !== undefined) throw new Error(`the brain refused the request: ${error.slice(6)}`);
  const move = CellText.exec(lines.at(-1) ?? '');
  if (!move) throw new Error(`the brain answered no move: ${JSON.stringify(lines)}`);

  const [x, y] = [Number(move[1]), Number(move[2])];
  const answer = { x, y, depth: 0, nodes: 0, verdict: 'undecided', seconds: 0 };
  answer.line = [{ x, y }];
  answer.candidates = [];
  for (const line of lines) {
    const search = SearchMessage.exec(line);
    if (search) {
      answer.depth = Number(search[1]);
      answer.nodes = Number(search[2]);
      answer.verdict = search[3];
      answer.seconds = Number(search[4]);
    }
    const threatLine = fields(line, 'MESSAGE line ', CellText);
    if (threatLine) answer.line = threatLine.map(([, x, y]) => ({ x: Number(x), y: Number(y) }));
    const candidates = fields(line, 'MESSAGE candidates ', CandidateText);
    if (candidates) {
      answer.candidates = candidates.map(([, x, y, total]) => ({
        x: Number(x),
        y: Number(y),
        total: Number(total),
      }));
    }
  }
  return answer;
}

// The matches of `pattern` on every space-separated field after `prefix`, or null when the line
// does not start with it or a field does not match.
function fields(line, prefix, pattern) {
  if (!line.startsWith(prefix)) return null;
  const matches = line
    .slice(prefix.length)
    .trim()
    .split(' ')
    .map((field) => pattern.exec(field));
  return matches.every(Boolean) ? matches : null;
}
