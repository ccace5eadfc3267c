// Appended to the module's loader: the way into the brain for the package and the tests.

// The longest piece of text handed to the brain at once, in UTF-16 code units. The text is
// copied onto the module's stack, and the replies to one piece are gathered in its memory: both
// stay small however long the caller's text is.
const PieceLength = 65536;

// Hands the brain the manager's next text (whole lines end in a line feed) and returns the text
// of its replies, every line ending in CR LF. The brain reads its input as a stream, so long text
// goes in pieces; a piece never ends between the two halves of a surrogate pair.
Module['receive'] = function (text) {
  let replies = '';
  for (let start = 0; start < text.length;) {
    let end = Math.min(start + PieceLength, text.length);
    if (end < text.length && /[\uD800-\uDBFF]/.test(text[end - 1])) end -= 1;
    replies += Module.ccall('orvane_receive', 'string', ['string'], [text.slice(start, end)]);
    start = end;
  }
  return replies;
};

// Sends one command (or several lines, such as a BOARD block) and returns the reply lines,
// without their line ends.
Module['command'] = function (text) {
  return Module['receive'](text + '\n')
    .split('\r\n')
    .slice(0, -1);
};

// Stops the brain's clock at `epochMilliseconds` (milliseconds since 1970-01-01 UTC), so that its
// random draws and timings repeat from run to run.
Module['freezeClock'] = function (epochMilliseconds) {
  Module.ccall('orvane_freeze_clock', null, ['number'], [epochMilliseconds]);
};
