// Orvane's levels: how many plies (single stones, Orvane's and the other side's in turn) the
// classic search looks ahead, which the brain's own budget reaches exactly; and above them the
// strong search, which thinks for a time per move. The analysis and the hints use the strong
// search too, for a time of their own.
export const Strong = 'strong';
export const Levels = [2, 6, 8, 10, Strong];
export const DefaultLevel = 10;
// The thinking times per move of the strong search, in seconds.
export const ThinkingTimes = [1, 3, 10];
export const DefaultThinkingTime = 1;

const LevelNames = {
  2: '1 move ahead (2 plies)',
  6: '3 moves ahead (6 plies)',
  8: '4 moves ahead (8 plies)',
  10: '5 moves ahead (10 plies)',
  [Strong]: 'Strong: thinks for its time',
};

export function levelOf(value) {
  const level = value === Strong ? Strong : Number(value);
  return Levels.includes(level) ? level : DefaultLevel;
}

export function thinkingTimeOf(value) {
  const seconds = Number(value);
  return ThinkingTimes.includes(seconds) ? seconds : DefaultThinkingTime;
}

// Fills a level's <select> with the levels, by name.
export function fillLevelChoice(select) {
  select.replaceChildren(...Levels.map((level) => new Option(LevelNames[level], String(level))));
}

// Fills a thinking time's <select> with the times.
export function fillTimeChoice(select) {
  select.replaceChildren(
    ...ThinkingTimes.map((seconds) => new Option(`${seconds} s a move`, String(seconds))),
  );
}

// What the page asks of the brain at `level`, the strong search thinking `seconds` (the package's
// move options), and what Orvane's answer keeps of it.
export function searchAt(level, seconds) {
  if (level !== Strong) return { options: { level }, kept: { level } };
  return { options: { engine: Strong, seconds }, kept: { level, thinkingTime: seconds } };
}

// Whether a kept answer says how it was searched: a level's plies, or the strong search's time.
export function hasKnownLevel({ level, thinkingTime }) {
  return level === Strong ? Number.isFinite(thinkingTime) : Number.isFinite(level);
}
