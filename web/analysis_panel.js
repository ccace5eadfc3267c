// The analysis panel: the Analyse switch, and what Orvane makes of the position on the board, in
// words and figures; and the note under the level when Orvane searched its last move less deeply
// than the level asks.
import { depthNote, figures, verdictWords } from './analysis_words.js';
import { cellName } from './coordinates.js';
import { page } from './page_elements.js';

// Shows the state of `analysis` for `position` (a Game), cells named by `naming`; while a position
// is being set up (`editing`), the analysis waits until it is done.
export function showAnalysis(analysis, position, { naming, editing }) {
  page.analyse.setAttribute('aria-pressed', String(analysis.isOn));
  page.analyse.textContent = analysis.isOn ? 'Stop analysing' : 'Analyse';
  page.analysisText.hidden = page.analysisLineField.hidden = !analysis.isOn;
  if (!analysis.isOn) return;
  if (editing) {
    page.analysisText.classList.remove('busy');
    page.analysisText.textContent = 'Orvane analyses the position once it is set up (Done).';
    return;
  }
  const answer = analysis.answerFor(position);
  page.analysisText.classList.toggle('busy', analysis.isWorkingOn(position));
  if (answer) page.analysisText.textContent = analysisWords(answer, position, naming);
  else if (position.isOver) page.analysisText.textContent = 'The game is over in this position.';
  else if (analysis.isWorkingOn(position))
    page.analysisText.textContent = `Orvane is analysing the position for ${position.colourToMove}…`;
  else page.analysisText.textContent = 'Orvane will analyse this position once the brain is free.';
}

// Orvane's answer for `position` in words: its move for the side to move, what it sees, its line,
// the candidates it weighed most (with their totals) and its figures.
function analysisWords(answer, position, naming) {
  const line = answer.line.map((cell) => cellName(cell, naming)).join(' ');
  const candidates = answer.candidates
    .slice(0, 5)
    .map((candidate) => `${cellName(candidate, naming)} (${candidate.total})`)
    .join(', ');
  return (
    `${capitalised(position.colourToMove)} to move: Orvane plays ${cellName(answer, naming)}, ` +
    `${verdictWords(answer, position)}. Its line: ${line}.` +
    (candidates ? ` Candidates: ${candidates}.` : '') +
    ` ${capitalised(figures(answer))}${answer.inProgress ? ', and searching on' : ''}.`
  );
}

// Says when the brain's budget searched Orvane's last move on the current line of `tree` less
// deeply than the level asks; `game` is the position at the line's end.
export function showLevelNote(tree, game) {
  const index = tree.line.findLastIndex((move) => move.answer);
  const note = index < 0 ? '' : depthNote(tree.line[index].answer, game.upTo(index));
  page.levelNote.hidden = note === '';
  page.levelNote.textContent = note ? `Orvane's last move: ${note}.` : '';
}

function capitalised(text) {
  return text[0].toUpperCase() + text.slice(1);
}
