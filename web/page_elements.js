// The page's elements that have an id, by that id in camel case: `page.newGame` is
// #new-game.
export const page = Object.fromEntries(
  [...document.querySelectorAll('[id]')].map((element) => [
    element.id.replace(/-(.)/g, (_, letter) => letter.toUpperCase()),
    element,
  ]),
);
