// Orvane's levels: how many plies (single stones, Orvane's and the other side's in turn) its
// search looks ahead. The brain's own budget reaches exactly these depths.
export const Levels = [2, 6, 8, 10];
export const DefaultLevel = 10;
// The level at which Orvane analyses a position and goes over a game: its full depth.
export const AnalysisLevel = 10;

const LevelNames = {
  2: '1 move ahead (2 plies)',
  6: '3 moves ahead (6 plies)',
  8: '4 moves ahead (8 plies)',
  10: '5 moves ahead (10 plies)',
};

export function levelOf(value) {
  const level = Number(value);
  return Levels.includes(level) ? level : DefaultLevel;
}

// Fills a level's <select> with the levels, by name.
export function fillLevelChoice(select) {
  select.replaceChildren(...Levels.map((level) => new Option(LevelNames[level], String(level))));
}
