// Appended to the module's loader: the way into the brain for the package and the tests.

// The longest piece of text handed to the brain at once, in UTF-16 code units. The text is
// copied onto the module's stack, and the replies to one piece are gathered in its memory: both
// stay small however long the caller's text is.
const PieceLength = 65536;
// The module's two sessions: one for the package's moves, one for a program's own commands.
const Channels = { moves: 0, commands: 1 };

// Hears each piece of reply text as the brain writes it (brain_module.cpp calls it); true asks
// the brain to stop its search.
let replyListener = null;
Module['onReply'] = function (text) {
  return replyListener ? replyListener(text) : false;
};

// Hands the brain the manager's next text (whole lines end in a line feed) and returns the text
// of its replies, every line ending in CR LF. `channel` ('moves', the default, or 'commands')
// picks the session; `onLine` hears each whole reply line (without its CR LF) while the brain is
// still working, and stops the brain's search by returning true: the search then finds its time
// up at once, and answers. The brain reads its input as a stream, so long text goes in pieces; a
// piece never ends between the two halves of a surrogate pair.
Module['receive'] = function (text, { channel = 'moves', onLine } = {}) {
  let pending = '';
  let stop = false;
  replyListener = onLine
    ? (piece) => {
        const lines = (pending + piece).split('\r\n');
        pending = lines.pop();
        for (const line of lines) stop = onLine(line) === true || stop;
        return stop;
      }
    : null;
  try {
    let replies = '';
    for (let start = 0; start < text.length;) {
      let end = Math.min(start + PieceLength, text.length);
      if (end < text.length && /[\uD800-\uDBFF]/.test(text[end - 1])) end -= 1;
      const piece = text.slice(start, end);
      replies += Module.ccall(
        'orvane_receive',
        'string',
        ['string', 'number'],
        [piece, Channels[channel]],
      );
      start = end;
    }
    return replies;
  } finally {
    replyListener = null;
  }
};

// Sends one command (or several lines, such as a BOARD block) and returns the reply lines,
// without their line ends. The options are those of receive().
Module['command'] = function (text, options) {
  return Module['receive'](text + '\n', options)
    .split('\r\n')
    .slice(0, -1);
};

// Stops the brain's clock at `epochMilliseconds` (milliseconds since 1970-01-01 UTC), so that its
// random draws and timings repeat from run to run.
Module['freezeClock'] = function (epochMilliseconds) {
  Module.ccall('orvane_freeze_clock', null, ['number'], [epochMilliseconds]);
};
