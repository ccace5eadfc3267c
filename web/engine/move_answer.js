// The brain's answer to a move request, read from its reply lines.
import { EngineRefusedError } from './errors.js';
import { fields, readDepthLine, readThreatLine } from './search_report.js';

const CellText = /^(\d+),(\d+)$/;
const CandidateText = /^(\d+),(\d+):(-?\d+)$/;

// { x, y, depth, nodes, verdict, seconds, line, candidates } from the reply lines of one move
// request, the figures of the last depth searched (its seconds the search's own figure for it,
// which brain.js gives as depthSeconds) (with its `evaluation` or `movesToFive` when
// the strong search gives one). A move drawn without a search (the opening) has depth 0; a brain
// that does not tell the threat line or the candidates leaves the line at the move alone and the
// candidates empty. An ERROR reply is thrown as an EngineRefusedError with the brain's reason.
export function readAnswer(lines) {
  const error = lines.find((line) => line.startsWith('ERROR'));
  if (error !== undefined) {
    throw new EngineRefusedError(`the brain refused the request: ${error.slice(6)}`);
  }
  const move = CellText.exec(lines.at(-1) ?? '');
  if (!move) throw new EngineRefusedError(`the brain answered no move: ${JSON.stringify(lines)}`);

  const [x, y] = [Number(move[1]), Number(move[2])];
  let answer = { x, y, depth: 0, nodes: 0, verdict: 'undecided', seconds: 0 };
  let line = [{ x, y }];
  let candidates = [];
  for (const text of lines) {
    const search = readDepthLine(text);
    if (search) answer = { x, y, ...search };
    line = readThreatLine(text) ?? line;
    const weighed = fields(text, 'MESSAGE candidates ', CandidateText);
    if (weighed) {
      candidates = weighed.map(([, x, y, total]) => ({
        x: Number(x),
        y: Number(y),
        total: Number(total),
      }));
    }
  }
  return { ...answer, line, candidates };
}
