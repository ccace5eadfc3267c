// Appended to the module's loader: the page's and the tests' way into the brain.

// Hands the brain the manager's next bytes (whole lines end in a line feed) and returns the text
// of its replies, every line ending in CR LF.
Module['receive'] = function (bytes) {
  return Module.ccall('orvane_receive', 'string', ['string'], [bytes]);
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
