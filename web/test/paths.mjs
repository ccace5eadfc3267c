// Where the tests find what the builds made: the served site (the page and the package's files in
// engine/, from tools/build_web.sh) and the stdin/stdout brain (from the README's build).
import { fileURLToPath } from 'node:url';
import { existsSync } from 'node:fs';
import path from 'node:path';

export const repositoryRoot = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

export const siteDirectory = path.join(repositoryRoot, 'build-web/site');
export const pbrainBinary = path.join(repositoryRoot, 'build/src/pbrain-orvane');
export const screenshotFile = path.join(repositoryRoot, 'build-web/page-test.png');
// Game records written by real programs, kept in the shared tree beside the repository; a checkout
// elsewhere (such as CI's clone) names the folder with ORVANE_SHARED_RECORDS, or finds it where this
// machine keeps the shared tree.
export const sharedRecordsDirectory =
  [
    process.env.ORVANE_SHARED_RECORDS,
    path.join(repositoryRoot, '../shared/records'),
    '/work/shared/records',
  ].find((directory) => directory && existsSync(directory)) ??
  path.join(repositoryRoot, '../shared/records');
// The files that load the brain into its worker: without them, the brain cannot load.
export const brainLoaderFiles = ['engine/engine.wasm'];
export const phoneScreenshotFile = path.join(repositoryRoot, 'build-web/page-test-phone.png');
