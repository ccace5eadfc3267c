// Zooming into the board on a small screen: the board grows to cells of at least 30 CSS pixels
// inside its frame, which scrolls, and the cell in play (the cursor, or else the last move) is
// brought into sight. Browsers' own pinch-zoom works as well; this is the button's way.
import { page } from './page_elements.js';

export function connectZoom() {
  page.zoom.addEventListener('click', () => {
    const zoomed = !page.boardSection.classList.contains('zoomed');
    page.boardSection.classList.toggle('zoomed', zoomed);
    page.zoom.setAttribute('aria-pressed', String(zoomed));
    page.zoom.textContent = zoomed ? 'Zoom out' : 'Zoom in';
    if (!zoomed) return;
    const cell =
      page.board.querySelector('.cell[tabindex="0"]:focus') ??
      page.board.querySelector('.cell.last') ??
      page.board.querySelector('.cell[tabindex="0"]');
    // The frame alone scrolls, so that the page stays where it is.
    const frame = page.boardSection;
    const [cellBox, frameBox] = [cell.getBoundingClientRect(), frame.getBoundingClientRect()];
    frame.scrollLeft += cellBox.left + cellBox.width / 2 - (frameBox.left + frame.clientWidth / 2);
    frame.scrollTop += cellBox.top + cellBox.height / 2 - (frameBox.top + frame.clientHeight / 2);
  });
}
