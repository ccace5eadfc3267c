// The page's layout on small screens, held either way: the whole board in the window, and the
// panel beside or below it, readable and in reach.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { cellSelector, openPage } from './page_driver.mjs';

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
    assert.ok(
      status.height >= 40 && status.width >= 180,
      `${size}: the status at ${JSON.stringify(status)}`,
    );
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

test('on a phone every control is a target of 24 × 24 pixels or more, and the zoomed board keeps its coordinates', async () => {
  for (const [width, height] of [
    [390, 844],
    [667, 375],
  ]) {
    const size = `${width} × ${height}`;
    const board = await openPage({ viewport: { width, height, isMobile: true, hasTouch: true } });
    await board.play(9, 9);
    for (const drawer of await board.page.$$('details'))
      await drawer.evaluate((element) => {
        element.open = true;
      });
    const small = await board.page.$$eval(
      'button, select, input, textarea, a, summary',
      (controls) =>
        controls
          .filter((control) => control.getClientRects().length > 0 && control.type !== 'file')
          .map((control) => [
            control.id || control.textContent.trim(),
            control.getBoundingClientRect(),
          ])
          .filter(([, box]) => box.width < 24 || box.height < 24)
          .map(([name, box]) => `${name}: ${Math.round(box.width)} × ${Math.round(box.height)}`),
    );
    assert.deepEqual(small, [], `${size}: controls smaller than 24 × 24`);

    await board.page.click('#zoom');
    const zoomed = await board.page.evaluate(
      (selector) => {
        const frame = document.querySelector('.board-frame').getBoundingClientRect();
        const cell = document.querySelector(selector).getBoundingClientRect();
        // The labels nearest the frame's top and left edges, and whether they are inside the frame.
        const inFrame = (element) => {
          const box = element.getBoundingClientRect();
          return (
            box.top >= frame.top - 1 &&
            box.bottom <= frame.bottom + 1 &&
            box.left >= frame.left - 1 &&
            box.right <= frame.right + 1
          );
        };
        const seen = [...document.querySelectorAll('.label')].filter(inFrame);
        return {
          cell: cell.width,
          columns: seen.filter((label) => label.classList.contains('column')).length,
          rows: seen.filter((label) => label.classList.contains('row')).length,
        };
      },
      cellSelector(9, 9),
    );
    assert.ok(zoomed.cell >= 28, `${size}: zoomed cells of ${zoomed.cell} pixels`);
    assert.ok(
      zoomed.columns >= 5 && zoomed.rows >= 5,
      `${size}: coordinates ${JSON.stringify(zoomed)}`,
    );
    assert.deepEqual(board.errors, [], `${size}: no console errors`);
  }
});
