// The page's layout on small screens, held either way: the whole board in the window, and the
// panel beside or below it, readable and in reach.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { openPage } from './page_driver.mjs';

const require = createRequire(import.meta.url);

test('phones held sideways or upright: the board fits, the panel is in reach and readable', async () => {
  for (const [width, height] of [
    [568, 320],
    [667, 375],
    [390, 844],
  ]) {
    const size = `${width} × ${height}`;
    const board = await openPage({ viewport: { width, height, isMobile: true, hasTouch: true } });
    const box = (selector) =>
      board.page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
    const frame = await box('.board-frame');
    assert.ok(
      frame.left >= 0 && frame.right <= width && frame.height <= height,
      `${size}: the board at ${JSON.stringify(frame)}`,
    );
    // Brought into sight, New game is the element a touch on it reaches, and it starts a game.
    await board.page.$eval('#new-game', (button) => button.scrollIntoView({ block: 'center' }));
    const reached = await board.page.$eval('#new-game', (button) => {
      const { left, top, width, height } = button.getBoundingClientRect();
      return document.elementFromPoint(left + width / 2, top + height / 2) === button;
    });
    assert.ok(reached, `${size}: New game in reach`);
    const status = await box('#status');
    assert.ok(status.height >= 40 && status.width >= 180, `${size}: the status at ${JSON.stringify(status)}`);
    await board.page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
    const violations = await board.page.evaluate(async () =>
      (await window.axe.run(document)).violations
        .filter((violation) => ['serious', 'critical'].includes(violation.impact))
        .map((violation) => `${violation.id} (${violation.nodes.length})`),
    );
    assert.deepEqual(violations, [], size);
    assert.deepEqual(board.errors, [], `${size}: no console errors`);
  }
});
