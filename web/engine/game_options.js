// The game a position belongs to: the board's size and the rule, from the options `size` and
// `rule`, checked and turned into what the brain's protocol says.
import { describe } from './describe.js';
import { BadOptionError } from './errors.js';

// The rules by name, with their INFO rule number.
const RuleNumbers = new Map([
  ['freestyle', 0],
  ['exact-five', 1],
  ['renju', 4],
  ['caro', 8],
  ['caro-exact-five', 9],
]);
const SmallestSide = 5;
const LargestSide = 20;

// { width, height } from `size`: a number for a square board, or { width, height }; 20 × 20 when
// left out.
export function boardOf(size = LargestSide) {
  if (typeof size === 'number') return { width: sideOf(size, 'size'), height: size };
  if (size === null || typeof size !== 'object' || Array.isArray(size)) {
    throw new BadOptionError(
      `size is a number of cells from ${SmallestSide} to ${LargestSide} or { width, height }, ` +
        `not ${describe(size)}`,
    );
  }
  return { width: sideOf(size.width, 'size.width'), height: sideOf(size.height, 'size.height') };
}

function sideOf(value, name) {
  if (!Number.isInteger(value) || value < SmallestSide || value > LargestSide) {
    throw new BadOptionError(
      `${name} is a whole number of cells from ${SmallestSide} to ${LargestSide}, ` +
        `not ${describe(value)}`,
    );
  }
  return value;
}

// { name, number } of the rule called `rule`; freestyle when left out.
export function ruleOf(rule = 'freestyle') {
  if (!RuleNumbers.has(rule)) {
    throw new BadOptionError(
      `unknown rule ${describe(rule)}: the rules are ${[...RuleNumbers.keys()].join(', ')}`,
    );
  }
  return { name: rule, number: RuleNumbers.get(rule) };
}

// The protocol's command that starts a session on `board`.
export function startCommand({ width, height }) {
  return width === height ? `START ${width}` : `RECTSTART ${width},${height}`;
}
