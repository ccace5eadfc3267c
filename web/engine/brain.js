// The brain in the current thread, in Node or in a browser: the methods of createBrain(), over
// the WebAssembly module that the entry point's compileEngine() gives.
import { createEngineInstance } from './engine_instance.js';
import { AbortError, BadOptionError, ListenerFailedError } from './errors.js';
import { GameOptions, checkOptionKeys, isEmptyCell, outcomeOf, readGame } from './game_position.js';
import { readAnswer } from './move_answer.js';
import { moveRequest } from './move_request.js';
import { RuleJudge } from './rule_judge.js';
import { SearchReports } from './search_report.js';

const BrainOptions = ['frozenClock', 'wasm', 'wasmUrl'];

// Resolves to { move, command, forbidden, isLegal, terminate } (see orvane.d.ts). The option
// frozenClock (milliseconds since 1970-01-01 UTC, or a Date) stops the brain's clock at that
// instant, so that its random draws repeat from run to run; `wasm` and `wasmUrl` say where the
// module is, for compileEngine(options). `strongMemory` is the bytes the strong search's tables
// may take, as the entry point sizes them for its platform; `onCompiled(compiled)`, if given,
// hears the compiled module before the brain is made (an entry's thread judge takes it).
export async function makeBrain(options, { compileEngine, strongMemory, onCompiled }) {
  checkOptionKeys(options, BrainOptions, '{ frozenClock: 0 }');
  const frozenClock = frozenClockOf(options);
  const compiled = await compileEngine(options);
  await onCompiled?.(compiled);
  const engine = await createEngineInstance(compiled);
  if (frozenClock !== undefined) engine.freezeClock(frozenClock);
  // The rules are judged in the moves' session, which the judge starts on each board size.
  const judge = new RuleJudge(engine);

  return {
    move(position, moveOptions) {
      const started = performance.now();
      const request = moveRequest(position, moveOptions, {
        frozenClock: frozenClock !== undefined,
        strongMemory,
      });
      throwIfAborted(request.signal);
      judge.checkHistory(request.game);
      judge.startSession(request.game.board);
      // A listener's error must not cross the module's frames, which would leave its search
      // half done: the search is asked to stop, and the error is thrown once the brain has
      // answered.
      let listenerFailure = null;
      const reports = request.onProgress && new SearchReports(request.onProgress);
      const lines = engine.command(request.lines.join('\n'), {
        onLine:
          reports &&
          ((line) => {
            if (listenerFailure) return true;
            try {
              reports.read(line);
              return false;
            } catch (error) {
              listenerFailure = listenerFailed(error);
              return true;
            }
          }),
      });
      if (listenerFailure) throw listenerFailure;
      const { seconds: depthSeconds, ...answer } = readAnswer(lines);
      throwIfAborted(request.signal);
      // The time the move took, as the brain's clock sees it (a stopped clock sees none), in
      // hundredths as the brain's own figures; the search's figure for its last finished depth
      // is depthSeconds.
      const seconds = frozenClock === undefined ? (performance.now() - started) / 1000 : 0;
      return { ...answer, seconds: Math.round(seconds * 100) / 100, depthSeconds };
    },
    command(line) {
      if (typeof line !== 'string') {
        throw new BadOptionError(`a command is a string of protocol lines, not ${typeof line}`);
      }
      // The module reads its text as a C string, which would end there.
      if (line.includes('\0')) throw new BadOptionError('a command cannot hold a NUL character');
      checkBlocksEnd(line);
      return engine.command(line, { channel: 'commands' });
    },
    forbidden(position, gameOptions = {}) {
      return forbiddenCells(judge, position, gameOptions);
    },
    isLegal(position, cell, gameOptions = {}) {
      return isLegalCell(judge, position, cell, gameOptions);
    },
    terminate() {},
  };
}

// Black's forbidden cells in `position` under the options size, rule and toMove, by `judge`.
export function forbiddenCells(judge, position, gameOptions = {}) {
  checkOptionKeys(gameOptions, GameOptions, "{ rule: 'renju', size: 15 }");
  const game = readGame(position, gameOptions);
  judge.checkHistory(game);
  return judge.forbidden(game);
}

// Whether the side to move may play `cell` in `position`, by `judge`.
export function isLegalCell(judge, position, cell, gameOptions = {}) {
  checkOptionKeys(gameOptions, GameOptions, "{ rule: 'renju', size: 15 }");
  const game = readGame(position, gameOptions);
  judge.checkHistory(game);
  if (!isEmptyCell(game, cell) || outcomeOf(game).state !== 'playing') return false;
  if (game.ownColour !== 'black') return true;
  return !judge.forbidden(game).some(({ x, y }) => x === cell.x && y === cell.y);
}

// The ListenerFailedError for a progress listener's `error`.
export function listenerFailed(error) {
  const what = error instanceof Error ? error.message : String(error);
  return new ListenerFailedError(
    `the progress listener threw (${what}): the move was stopped`,
    error,
  );
}

// Throws an AbortError when `signal` has been aborted.
export function throwIfAborted(signal) {
  if (signal?.aborted) throw new AbortError('the move was aborted', signal.reason);
}

// Throws a BadOptionError when a BOARD or FORBIDDEN block of the command text has no DONE: the
// session would take every later command as its lines. Nothing is sent then.
function checkBlocksEnd(text) {
  let block = null;
  for (const line of text.split('\n')) {
    const words = line.trim().split(/\s+/);
    const keyword = words[0].toUpperCase();
    if (block !== null) {
      if (keyword === 'DONE' || keyword === 'END') block = null;
    } else if ((keyword === 'BOARD' || keyword === 'FORBIDDEN') && words.length === 1) {
      block = keyword;
    }
  }
  if (block !== null) {
    throw new BadOptionError(
      `the ${block} block has no DONE: a command sends a whole block, its lines and DONE ` +
        `joined by '\\n', such as '${block}\\n9,9,1\\nDONE'`,
    );
  }
}

function frozenClockOf({ frozenClock }) {
  if (frozenClock === undefined) return undefined;
  const instant = frozenClock instanceof Date ? frozenClock.getTime() : frozenClock;
  if (!Number.isFinite(instant)) {
    throw new BadOptionError('frozenClock is milliseconds since 1970-01-01 UTC, or a Date');
  }
  return instant;
}
