// Orvane's levels: how many plies (single stones, Orvane's and yours in turn) its search looks
// ahead. The brain's own budget reaches exactly these depths.
export const Levels = [2, 6, 8, 10];
export const DefaultLevel = 10;

export function levelOf(value) {
  const level = Number(value);
  return Levels.includes(level) ? level : DefaultLevel;
}
