// The bench positions (bench/positions, as a manager writes them) as stones from the brain's side,
// for the JavaScript tests and measurements.
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const positionsDirectory = path.resolve(
  path.dirname(fileURLToPath(import.meta.url)),
  '../bench/positions',
);

// The names of the positions, in order.
export function benchPositionNames() {
  return readdirSync(positionsDirectory, { withFileTypes: true })
    .filter((entry) => entry.isDirectory())
    .map((entry) => entry.name)
    .sort();
}

// The stones { x, y, stone: 'own' | 'opponent' } of one position: "tah.dat" starts with the own
// stone's symbol, and in "plocha.dat" "-" is an empty cell and any other symbol the opponent's.
export function benchPosition(name) {
  const directory = path.join(positionsDirectory, name);
  const own = readFileSync(path.join(directory, 'tah.dat'), 'latin1')[0];
  const rows = readFileSync(path.join(directory, 'plocha.dat'), 'latin1').split(/\r?\n/);
  return rows
    .slice(0, 20)
    .flatMap((row, y) =>
      [...row].flatMap((symbol, x) =>
        symbol === '-' ? [] : [{ x, y, stone: symbol === own ? 'own' : 'opponent' }],
      ),
    );
}

// The BOARD block that gives the brain a position.
export function boardBlock(stones) {
  return [
    'BOARD',
    ...stones.map(({ x, y, stone }) => `${x},${y},${stone === 'own' ? 1 : 2}`),
    'DONE',
  ];
}
