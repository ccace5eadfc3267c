// What the browser tests of the page and of the package share: a static server on the loopback
// address and the options that start Debian's Chromium headless on this closed network.
import { spawn } from 'node:child_process';

// Python's http.server on a free port of the loopback address, serving `directory`. Resolves to
// { process, url, stop }, where stop() resolves once the server has exited.
export function startServer(directory) {
  return new Promise((resolve, reject) => {
    const process = spawn(
      'python3',
      ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', directory],
      { stdio: ['ignore', 'pipe', 'ignore'] },
    );
    process.on('error', reject);
    process.stdout.on('data', (text) => {
      const port = String(text).match(/port (\d+)/)?.[1];
      const stop = () =>
        new Promise((stopped) => {
          process.once('exit', stopped);
          process.kill();
        });
      if (port) resolve({ process, url: `http://127.0.0.1:${port}/`, stop });
    });
  });
}

// puppeteer's launch options for headless Chromium with its profile in `userDataDir`; without
// the background-networking flags it keeps trying hosts that this machine cannot reach.
export function chromiumOptions(userDataDir) {
  return {
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  };
}
