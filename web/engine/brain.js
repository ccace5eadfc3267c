// createBrain(): the brain in the current thread, in Node or in a browser.
import { loadEngine } from './engine_loader.js';
import { readAnswer } from './move_answer.js';
import { moveRequestLines } from './move_request.js';

// Resolves to { move(position, options), command(line), terminate() }. The option frozenClock
// (milliseconds since 1970-01-01 UTC, or a Date) stops the brain's clock at that instant, so that
// its random draws repeat from run to run.
export async function createBrain(options = {}) {
  const frozenClock = frozenClockOf(options);
  const engine = await loadEngine();
  if (frozenClock !== undefined) engine.freezeClock(frozenClock);

  // Each move speaks to a session that only moves have used since its START. After command(),
  // which may have changed the rule or left a BOARD block open, the session is ended and a new
  // one started.
  let session = 'new';
  return {
    move(position, moveOptions) {
      const request = moveRequestLines(position, moveOptions);
      if (session === 'used by commands') engine.receive('END\n');
      if (session !== 'ready') {
        const reply = engine.command('START 20');
        if (reply.join() !== 'OK') throw new Error(`the brain refused START 20: ${reply}`);
        session = 'ready';
      }
      return readAnswer(engine.command(request.join('\n')));
    },
    command(line) {
      if (typeof line !== 'string') {
        throw new Error(`a command is a string of protocol lines, not ${typeof line}`);
      }
      // The module reads its text as a C string, which would end there.
      if (line.includes('\0')) throw new Error('a command cannot hold a NUL character');
      session = 'used by commands';
      return engine.command(line);
    },
    terminate() {},
  };
}

function frozenClockOf(options) {
  if (options === null || typeof options !== 'object') {
    throw new Error('the options of createBrain are an object such as { frozenClock: 0 }');
  }
  for (const key of Object.keys(options)) {
    if (key !== 'frozenClock') {
      throw new Error(`unknown option "${key}": the option is frozenClock`);
    }
  }
  const { frozenClock } = options;
  if (frozenClock === undefined) return undefined;
  const instant = frozenClock instanceof Date ? frozenClock.getTime() : frozenClock;
  if (!Number.isFinite(instant)) {
    throw new Error('frozenClock is milliseconds since 1970-01-01 UTC, or a Date');
  }
  return instant;
}
