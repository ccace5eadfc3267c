// The package README's bundler recipes, each building the same app (apps/) in the project that
// installed the tarball: Vite, webpack and esbuild for the browser, each playing one move in
// headless Chromium, and esbuild for Node, whose bundle plays on a worker thread and in its own.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, mkdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { servedBrowser } from './served_browser.mjs';
import { projectDirectory } from './installed_package.mjs';

const testDirectory = path.dirname(fileURLToPath(import.meta.url));
const tool = (name) => path.join(testDirectory, 'node_modules/.bin', name);
const wasm = path.join(projectDirectory, 'node_modules/orvane/engine.wasm');

// A folder of the project with the app's files, where `build` runs; the built app's folder.
function buildApp(name, files, build) {
  const folder = path.join(projectDirectory, name);
  mkdirSync(folder, { recursive: true });
  for (const file of files)
    copyFileSync(path.join(testDirectory, 'apps', file), path.join(folder, file));
  // Runs a bundler; its output, on standard output and standard error together.
  const run = (command, ...args) => {
    const result = spawnSync(tool(command), args, { cwd: folder, encoding: 'utf8' });
    assert.equal(result.status, 0, `${command}: ${result.stdout}${result.stderr}`);
    return result.stdout + result.stderr;
  };
  build(run, folder);
  return path.join(folder, 'dist');
}

const browserApps = {
  // Vite printed a warning about Node's modules on every build while the browser's entry
  // reached one: a build says nothing now.
  vite: () =>
    buildApp('vite-app', ['index.html', 'main.js'], (run) =>
      assert.equal(run('vite', 'build', '--base', './', '--logLevel', 'warn'), ''),
    ),
  webpack: () =>
    buildApp('webpack-app', ['index.html', 'main.js'], (run, folder) => {
      run('webpack', '--mode', 'production', '--entry', './main.js', '--output-path', 'dist');
      copyFileSync(path.join(folder, 'index.html'), path.join(folder, 'dist/index.html'));
    }),
  esbuild: () =>
    buildApp('esbuild-app', ['index.html', 'main.js'], (run, folder) => {
      run('esbuild', 'main.js', '--bundle', '--format=esm', '--outdir=dist');
      run('esbuild', 'orvane/worker.js', '--bundle', '--format=esm', '--outfile=dist/worker.js');
      copyFileSync(wasm, path.join(folder, 'dist/engine.wasm'));
      copyFileSync(path.join(folder, 'index.html'), path.join(folder, 'dist/index.html'));
    }),
};

const served = servedBrowser(projectDirectory);

for (const [bundler, build] of Object.entries(browserApps)) {
  test(`the ${bundler} app plays a move in Chromium`, async () => {
    const dist = path.relative(projectDirectory, build());
    const page = await served.browser.newPage();
    const problems = [];
    page.on('pageerror', (error) => problems.push(error.message));
    // The browser asks for a favicon, which the apps have none of.
    page.on('response', (response) => {
      if (response.status() >= 400 && !response.url().endsWith('/favicon.ico')) {
        problems.push(`${response.status()} ${response.url()}`);
      }
    });
    await page.goto(`${served.url}${dist}/index.html`);
    await page
      .waitForFunction(() => document.body?.textContent.startsWith('Orvane plays'), {
        timeout: 30000,
      })
      .catch(() => assert.fail(`no move: ${problems.join('; ')}`));
    assert.match(await page.$eval('body', (body) => body.textContent), /^Orvane plays \d+,\d+$/);
    assert.deepEqual(problems, []);
    await page.close();
  });
}

test('an esbuild bundle for Node plays on a worker thread and in its own', () => {
  const dist = buildApp('esbuild-node-app', ['node_main.js'], (run, folder) => {
    run(
      'esbuild',
      'node_main.js',
      '--bundle',
      '--platform=node',
      '--format=esm',
      '--outfile=dist/app.mjs',
    );
    run(
      'esbuild',
      'orvane/worker.js',
      '--bundle',
      '--platform=node',
      '--format=esm',
      '--outfile=dist/orvane-worker.mjs',
    );
    copyFileSync(wasm, path.join(folder, 'dist/engine.wasm'));
  });
  // Run from elsewhere, as a deployed bundle is, with no node_modules to fall back on.
  const output = execFileSync('node', [path.join(dist, 'app.mjs')], {
    cwd: tmpdir(),
    encoding: 'utf8',
  });
  assert.match(output, /^Orvane plays (\d+,\d+) and \1\n$/);
});

test('an esbuild bundle for Node without workerUrl is told to give it', () => {
  const dist = buildApp('esbuild-node-no-worker-url', [], (run, folder) => {
    const app = [
      "import { createBrainWorker } from 'orvane';",
      'createBrainWorker().then(',
      "  () => console.log('no error'),",
      '  (error) => console.log(error.code, error.message),',
      ');',
    ];
    writeFileSync(path.join(folder, 'main.js'), app.join('\n'));
    run('esbuild', 'main.js', '--bundle', '--platform=node', '--format=esm', '--outfile=dist/app.mjs');
    copyFileSync(wasm, path.join(folder, 'dist/engine.wasm'));
  });
  const output = execFileSync('node', [path.join(dist, 'app.mjs')], {
    cwd: tmpdir(),
    encoding: 'utf8',
  });
  assert.match(output, /^ORVANE_WORKER_FAILED .*node_worker\.js.*give the option workerUrl/);
});
