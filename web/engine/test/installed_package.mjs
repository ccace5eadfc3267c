// What the tests work on: the packed tarball, and the empty project it was installed into (both
// from tools/test_package.sh), and pbrain-orvane.
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const { ORVANE_TARBALL, ORVANE_PROJECT } = process.env;
if (!ORVANE_TARBALL || !ORVANE_PROJECT) {
  throw new Error(
    'run these tests with tools/test_package.sh, which packs and installs the package',
  );
}
export const tarball = ORVANE_TARBALL;
export const projectDirectory = ORVANE_PROJECT;

export const repositoryRoot = path.resolve(
  path.dirname(fileURLToPath(import.meta.url)),
  '../../..',
);
export const pbrainBinary = path.join(repositoryRoot, 'build/src/pbrain-orvane');

// The package's exports, resolved as a program in the project resolves 'orvane'.
export async function importOrvane() {
  const resolved = createRequire(path.join(projectDirectory, 'package.json')).resolve('orvane');
  return import(pathToFileURL(resolved));
}
