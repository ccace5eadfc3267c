// Orvane's answer behind a move, in a player's words and in its raw figures.

const VerdictWords = {
  won: 'sees a win',
  'likely won': 'likely winning',
  undecided: 'open position',
  'likely lost': 'likely losing',
  lost: 'sees a loss',
};

// What Orvane saw when it played `move`; `madeFive` tells whether the move itself ended the game.
export function verdictWords({ answer }, madeFive) {
  if (madeFive) return 'five in a row';
  if (answer.depth === 0) return 'opening move, no search';
  if (answer.verdict !== 'won' || answer.line.length < 2)
    return VerdictWords[answer.verdict] ?? answer.verdict;
  const ownMoves = Math.ceil(answer.line.length / 2);
  return `sees a win in ${ownMoves} moves`;
}

// The brain's own figures: depth, nodes, root verdict and time.
export function figures({ answer }) {
  if (answer.depth === 0) return 'drawn without a search';
  const nodes = `${answer.nodes.toLocaleString('en')} ${answer.nodes === 1 ? 'node' : 'nodes'}`;
  return `depth ${answer.depth} · ${nodes} · root verdict ${answer.verdict} · ${answer.seconds} s`;
}

// Why a move was searched less deeply than its level asks, or '' when it was not. The brain's
// budget keeps the search to 6 plies while 4 stones or fewer stand on the board, and to 2 plies
// from 268 stones on; `stonesBefore` is the number of stones it saw.
export function depthNote({ answer }, stonesBefore) {
  if (answer.depth === 0 || answer.depth >= answer.level) return '';
  if (stonesBefore <= 4)
    return `searched ${answer.depth} plies, not ${answer.level}: early in the game Orvane looks at most 6 plies ahead`;
  if (stonesBefore >= 268)
    return `searched ${answer.depth} plies, not ${answer.level}: on a crowded board Orvane looks 2 plies ahead`;
  return `searched ${answer.depth} plies, not ${answer.level}`;
}
