// The packed package: only what a user needs, within 110 KB gzipped; browser entries that reach
// no Node module; require() from CommonJS; and declarations that TypeScript accepts for the
// package's uses and refuses for its misuses, in ES module and in CommonJS projects.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { projectDirectory, tarball } from './installed_package.mjs';

const packageDirectory = path.join(projectDirectory, 'node_modules/orvane');

test('the tarball holds the modules, the .wasm, the declarations, README and LICENSE', () => {
  const files = execFileSync('tar', ['-tzf', tarball], { encoding: 'utf8' }).trim().split('\n');
  const names = files.map((file) => file.replace(/^package\//, ''));
  for (const name of ['LICENSE', 'README.md', 'package.json', 'engine.wasm', 'orvane.d.cts']) {
    assert.ok(names.includes(name), name);
  }
  // Every module the package's entries reach is in it, and nothing else is.
  const reached = new Set();
  for (const entry of ['orvane.js', 'orvane_node.js', 'worker.js', 'node_worker.js']) {
    for (const module of importsFrom(entry)) reached.add(module);
  }
  assert.deepEqual(
    names.filter((name) => /\.(js|d\.ts)$/.test(name)).sort(),
    [...reached]
      .filter((module) => !module.startsWith('node:'))
      .concat('orvane.d.ts')
      .sort(),
  );
  assert.ok(statSync(tarball).size <= 120 * 1024, `${statSync(tarball).size} bytes`);
});

test('every file of the tarball is a plain file, 0644, engine.wasm too', () => {
  const listing = execFileSync('tar', ['-tvzf', tarball], { encoding: 'utf8' }).trim().split('\n');
  for (const line of listing) assert.match(line, /^-rw-r--r-- /, line);
});

test("the browser's modules import none of Node's, and Node's entries are chosen in Node", () => {
  for (const entry of ['orvane.js', 'worker.js']) {
    const nodeImports = importsFrom(entry).filter((module) => module.startsWith('node:'));
    assert.deepEqual(nodeImports, [], `from ${entry}`);
  }
  const { exports } = JSON.parse(readFileSync(path.join(packageDirectory, 'package.json')));
  assert.equal(exports['.'].node, './orvane_node.js');
  assert.equal(exports['./worker.js'].node, './node_worker.js');
  assert.equal(exports['./engine.wasm'], './engine.wasm');
});

test('require() in a CommonJS program gives the same package', () => {
  const program = [
    "const { createBrain, outcome, GameOverError } = require('orvane');",
    "const won = outcome('0,0 1,1 0,1 1,2 0,2 1,3 0,3 1,4 0,4');",
    'createBrain().then((brain) => {',
    "  try { brain.move('0,0 1,1 0,1 1,2 0,2 1,3 0,3 1,4 0,4'); } catch (error) {",
    '    console.log(won.winner, error instanceof GameOverError, brain.move("9,9", { level: 2 }).depth);',
    '  }',
    '});',
  ];
  writeFileSync(path.join(projectDirectory, 'program.cjs'), program.join('\n'));
  const run = spawnSync('node', ['program.cjs'], { cwd: projectDirectory, encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  assert.equal(run.stdout, 'black true 2\n');
  assert.equal(run.stderr, '', 'no warning');
});

// tsc --noEmit over the uses in `file`, in a project of the given module kind.
function typeCheck(file, compilerOptions) {
  copyFileSync(new URL(file, import.meta.url), path.join(projectDirectory, file));
  const options = { strict: true, noEmit: true, target: 'es2022', lib: ['es2022'] };
  writeFileSync(
    path.join(projectDirectory, 'tsconfig.json'),
    JSON.stringify({ compilerOptions: { ...options, ...compilerOptions }, files: [file] }),
  );
  const tsc = createRequire(import.meta.url).resolve('typescript/bin/tsc');
  const run = spawnSync('node', [tsc, '-p', projectDirectory], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stdout + run.stderr);
}

test('the declarations pass tsc --noEmit, in ES modules and in CommonJS', () => {
  typeCheck('usage.mts', { module: 'nodenext', lib: ['es2022', 'dom'] });
  typeCheck('usage.cts', { module: 'nodenext' });
  typeCheck('usage.cts', { module: 'node16' });
  typeCheck('usage.cts', { module: 'commonjs', esModuleInterop: true });
});

// Every module that `entry` reaches through its static and dynamic imports: the package's own
// by file name, Node's with their node: prefix.
function importsFrom(entry, reached = new Set()) {
  if (reached.has(entry)) return [...reached];
  reached.add(entry);
  if (entry.startsWith('node:')) return [...reached];
  const source = readFileSync(path.join(packageDirectory, entry), 'utf8');
  for (const [, target] of source.matchAll(/(?:from|import\()\s*['"]([^'"]+)['"]/g)) {
    importsFrom(target.startsWith('./') ? target.slice(2) : target, reached);
  }
  return [...reached];
}
