// tools/serve_web.sh opened to the network: every address it prints answers with the page, and on
// a machine with IPv6 the page is served there too.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { createServer } from 'node:net';
import path from 'node:path';
import { repositoryRoot } from './paths.mjs';

test('serve_web.sh with host 0.0.0.0 prints only addresses that answer, IPv6 ones included', async () => {
  const port = await freePort();
  const server = spawn(path.join(repositoryRoot, 'tools/serve_web.sh'), [String(port), '0.0.0.0'], {
    detached: true,
    stdio: ['ignore', 'pipe', 'ignore'],
  });
  try {
    let output = '';
    await new Promise((resolve, reject) => {
      server.stdout.on('data', (text) => {
        output += text;
        if (output.includes('(Keeping the page')) resolve();
      });
      server.on('exit', () => reject(new Error(`serve_web.sh ended early: ${output}`)));
    });
    const printed = output.match(/^ {2}http:\/\/\S+$/gm)?.map((line) => line.trim()) ?? [];
    for (const url of [`http://localhost:${port}/`, ...printed]) {
      const response = await fetch(url);
      assert.equal(response.status, 200, url);
      assert.match(await response.text(), /<title>Orvane/, url);
    }
    const ipv6 = execFileSync('hostname', ['-I'], { encoding: 'utf8' })
      .split(/\s+/)
      .filter((address) => address.includes(':'));
    for (const address of ipv6)
      assert.ok(printed.includes(`http://[${address}]:${port}/`), address);
  } finally {
    process.kill(-server.pid);
  }
});

// A port that no program listens on at the moment.
function freePort() {
  return new Promise((resolve) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}
