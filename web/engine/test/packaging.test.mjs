// The packed package: only what a user needs, within 100 KB gzipped, and declarations that
// TypeScript accepts for the package's uses and refuses for its misuses.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { projectDirectory, tarball } from './installed_package.mjs';

test('the tarball holds the modules, the .wasm, the declarations, README and LICENSE', () => {
  const files = execFileSync('tar', ['-tzf', tarball], { encoding: 'utf8' }).trim().split('\n');
  assert.deepEqual(files.map((file) => file.replace(/^package\//, '')).sort(), [
    'LICENSE',
    'README.md',
    'brain.js',
    'engine.js',
    'engine.wasm',
    'engine_loader.js',
    'move_answer.js',
    'move_request.js',
    'orvane.d.ts',
    'orvane.js',
    'package.json',
    'worker.js',
    'worker_brain.js',
  ]);
  assert.ok(statSync(tarball).size <= 100 * 1024, `${statSync(tarball).size} bytes`);
});

test('the declarations pass tsc --noEmit', () => {
  copyFileSync(new URL('usage.mts', import.meta.url), path.join(projectDirectory, 'usage.mts'));
  const options = { strict: true, noEmit: true, module: 'nodenext', target: 'es2022' };
  writeFileSync(
    path.join(projectDirectory, 'tsconfig.json'),
    JSON.stringify({ compilerOptions: { ...options, lib: ['es2022'] }, files: ['usage.mts'] }),
  );
  const tsc = createRequire(import.meta.url).resolve('typescript/bin/tsc');
  const run = spawnSync('node', [tsc, '-p', projectDirectory], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stdout + run.stderr);
});
