// What a screen reader hears: one live region, emptied first, so that the same words are heard
// again.
import { page } from './page_elements.js';

export function announce(text) {
  page.announcer.textContent = '';
  setTimeout(() => {
    page.announcer.textContent = text;
  }, 50);
}
