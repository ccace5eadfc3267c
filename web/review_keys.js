// The keys that step through the game wherever the focus is but on the board (where the arrows move
// the cursor) and in fields that use them: ← and → a move back and forward, Home and End to the
// game's ends.
export function connectReviewKeys({ back, forward, toStart, toEnd }) {
  const actions = { ArrowLeft: back, ArrowRight: forward, Home: toStart, End: toEnd };
  document.addEventListener('keydown', (event) => {
    if (
      event.target.closest?.('#board, input, select, textarea') ||
      event.altKey ||
      event.ctrlKey ||
      event.metaKey ||
      !actions[event.key]
    )
      return;
    event.preventDefault();
    actions[event.key]();
  });
}
