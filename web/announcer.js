// What a screen reader hears: one live region, emptied first, so that the same words are heard
// again. A newer announcement replaces one still waiting to be made.
import { page } from './page_elements.js';

let waiting = null;

export function announce(text) {
  clearTimeout(waiting);
  page.announcer.textContent = '';
  waiting = setTimeout(() => {
    page.announcer.textContent = text;
  }, 50);
}
