// Headless Chromium and a static server over `directory`, started before a test file's tests and
// closed after them. Returns an object whose `browser` and `url` (the server's, ending in "/")
// are set once the tests run.
import { after, before } from 'node:test';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { chromiumOptions, startServer } from '../../test/local_browser.mjs';

export function servedBrowser(directory) {
  const served = { browser: null, url: '' };
  let server;
  let profile;
  before(async () => {
    server = await startServer(directory);
    served.url = server.url;
    profile = mkdtempSync(path.join(tmpdir(), 'orvane-chromium-'));
    served.browser = await puppeteer.launch(chromiumOptions(profile));
  });
  after(async () => {
    await served.browser?.close();
    await server?.stop();
    if (profile) rmSync(profile, { recursive: true, force: true });
  });
  return served;
}
