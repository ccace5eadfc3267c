// The brain in the current thread, in Node or in a browser: the methods of createBrain(), over
// the WebAssembly module that the entry point's compileEngine() gives.
import { createEngineInstance } from './engine_instance.js';
import { AbortError, BadOptionError, EngineRefusedError } from './errors.js';
import { startCommand } from './game_options.js';
import { GameOptions, checkOptionKeys, isEmptyCell, outcomeOf, readGame } from './game_position.js';
import { readAnswer } from './move_answer.js';
import { moveRequest } from './move_request.js';
import { SearchReports } from './search_report.js';

const BrainOptions = ['frozenClock', 'wasm', 'wasmUrl'];
const ForbiddenCell = /^(\d+),(\d+),(overline|double-four|double-three)$/;

// Resolves to { move, command, forbidden, isLegal, terminate } (see orvane.d.ts). The option
// frozenClock (milliseconds since 1970-01-01 UTC, or a Date) stops the brain's clock at that
// instant, so that its random draws repeat from run to run; `wasm` and `wasmUrl` say where the
// module is, for compileEngine(options). `strongMemory` is the bytes the strong search's tables
// may take, as the entry point sizes them for its platform.
export async function makeBrain(options, { compileEngine, strongMemory }) {
  checkOptionKeys(options, BrainOptions, '{ frozenClock: 0 }');
  const frozenClock = frozenClockOf(options);
  const engine = await createEngineInstance(await compileEngine(options));
  if (frozenClock !== undefined) engine.freezeClock(frozenClock);

  // The moves' session, kept while moves stay on one board size; its START command.
  let session = null;
  const startSession = (board) => {
    const start = startCommand(board);
    if (session === start) return;
    if (session !== null) engine.receive('END\n');
    session = null;
    const reply = engine.command(start);
    if (reply.join() !== 'OK') {
      engine.receive('END\n');
      throw new EngineRefusedError(`the brain refused ${start}: ${reply.join(' ')}`);
    }
    session = start;
  };

  const forbidden = (game) => {
    if (game.rule.name !== 'renju') return [];
    startSession(game.board);
    const stoneLines = game.stones.map(({ x, y, own }) => `${x},${y},${own ? 1 : 2}`);
    const reply = engine.command(['INFO rule 4', 'FORBIDDEN', ...stoneLines, 'DONE'].join('\n'));
    const cells = reply.at(-1)?.split(' ') ?? [];
    if (cells[0] !== 'FORBIDDEN' || reply.some((line) => line.startsWith('ERROR'))) {
      throw new EngineRefusedError(`the brain gave no forbidden cells: ${reply.join(' | ')}`);
    }
    return cells.slice(1).map((cell) => {
      const [, x, y, reason] = ForbiddenCell.exec(cell) ?? [];
      if (reason === undefined) throw new EngineRefusedError(`a strange forbidden cell: ${cell}`);
      return { x: Number(x), y: Number(y), reason };
    });
  };

  return {
    move(position, moveOptions) {
      const request = moveRequest(position, moveOptions, {
        frozenClock: frozenClock !== undefined,
        strongMemory,
      });
      throwIfAborted(request.signal);
      startSession(request.game.board);
      // A listener's error must not cross the module's frames, which would leave its search
      // half done: it is thrown once the brain has answered.
      let listenerFailure = null;
      const reports = request.onProgress && new SearchReports(request.onProgress);
      const lines = engine.command(request.lines.join('\n'), {
        onLine:
          reports &&
          ((line) => {
            try {
              reports.read(line);
            } catch (error) {
              listenerFailure ??= { error };
            }
          }),
      });
      if (listenerFailure) throw listenerFailure.error;
      const answer = readAnswer(lines);
      throwIfAborted(request.signal);
      return answer;
    },
    command(line) {
      if (typeof line !== 'string') {
        throw new BadOptionError(`a command is a string of protocol lines, not ${typeof line}`);
      }
      // The module reads its text as a C string, which would end there.
      if (line.includes('\0')) throw new BadOptionError('a command cannot hold a NUL character');
      return engine.command(line, { channel: 'commands' });
    },
    forbidden(position, gameOptions = {}) {
      checkOptionKeys(gameOptions, GameOptions, "{ rule: 'renju', size: 15 }");
      return forbidden(readGame(position, gameOptions));
    },
    isLegal(position, cell, gameOptions = {}) {
      checkOptionKeys(gameOptions, GameOptions, "{ rule: 'renju', size: 15 }");
      const game = readGame(position, gameOptions);
      if (!isEmptyCell(game, cell) || outcomeOf(game).state !== 'playing') return false;
      if (game.ownColour !== 'black') return true;
      return !forbidden(game).some(({ x, y }) => x === cell.x && y === cell.y);
    },
    terminate() {},
  };
}

// Throws an AbortError when `signal` has been aborted.
export function throwIfAborted(signal) {
  if (signal?.aborted) throw new AbortError('the move was aborted', signal.reason);
}

function frozenClockOf({ frozenClock }) {
  if (frozenClock === undefined) return undefined;
  const instant = frozenClock instanceof Date ? frozenClock.getTime() : frozenClock;
  if (!Number.isFinite(instant)) {
    throw new BadOptionError('frozenClock is milliseconds since 1970-01-01 UTC, or a Date');
  }
  return instant;
}
