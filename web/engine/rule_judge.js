// The brain's own rule judge, asked through its protocol: black's forbidden cells in renju
// (FORBIDDEN), and the first forbidden move of black's in a string of moves. It runs in a module
// instance: a brain's own, or the thread's (threadJudge()), which answers the game questions of
// the package's functions and of a worker's brain in the calling thread, without waiting for a
// search.
import { createEngineInstance, createEngineInstanceSync } from './engine_instance.js';
import { EngineRefusedError, ForbiddenMoveError, RulesNotLoadedError } from './errors.js';
import { startCommand } from './game_options.js';

const ForbiddenCell = /^(\d+),(\d+),(overline|double-four|double-three)$/;
// Black's fewest stones already on the board for a move to be forbidden: a double three needs
// four, an overline five and a double four six.
const FewestBlackStonesForbidden = 4;

export class RuleJudge {
  #engine;
  // The session's START command while it stays on one board size.
  #session = null;
  // The moves (a string's, "x,y x,y ...") of the last history found without a forbidden move,
  // with its board's START command: a game asked about move after move is read once.
  #clean = { start: null, moves: [] };

  // `engine`: a module instance (engine_instance.js); its moves' channel is used.
  constructor(engine) {
    this.#engine = engine;
  }

  // Starts the moves' session on `board` unless it is on that board already.
  startSession(board) {
    const start = startCommand(board);
    if (this.#session === start) return;
    if (this.#session !== null) this.#engine.receive('END\n');
    this.#session = null;
    const reply = this.#engine.command(start);
    if (reply.join() !== 'OK') {
      this.#engine.receive('END\n');
      throw new EngineRefusedError(`the brain refused ${start}: ${reply.join(' ')}`);
    }
    this.#session = start;
  }

  // Black's forbidden cells in `game` (readGame's) under its rule: { x, y, reason }, none but in
  // renju.
  forbidden(game) {
    if (game.rule.name !== 'renju') return [];
    return this.#forbiddenCells(game.board, [game.stones.map((stone) => ownField(stone))])[0];
  }

  // Throws a ForbiddenMoveError when `game` is a renju game given as a string of moves in which
  // black played a forbidden move.
  checkHistory(game) {
    if (game.rule.name !== 'renju' || !game.played) return;
    const moves = game.stones;
    const start = startCommand(game.board);
    const clean = this.#clean.start === start ? this.#clean.moves : [];
    let known = 0;
    while (known < clean.length && known < moves.length && sameCell(clean[known], moves[known])) {
      known++;
    }
    // Black's moves not yet judged, each asked in the position before it, black to move (own).
    const asked = [];
    for (let index = known + (known % 2); index < moves.length; index += 2) {
      if (index / 2 < FewestBlackStonesForbidden) continue;
      const before = moves.slice(0, index).map((move, played) => ownField(move, played % 2 === 0));
      asked.push({ index, before });
    }
    const answers = this.#forbiddenCells(
      game.board,
      asked.map(({ before }) => before),
    );
    asked.forEach(({ index }, question) => {
      const { x, y } = moves[index];
      const forbidden = answers[question].find((cell) => cell.x === x && cell.y === y);
      if (forbidden) {
        throw new ForbiddenMoveError(
          `move ${index + 1} (${x},${y}) was forbidden to black in renju: ` +
            `${forbidden.reason.replace('-', ' ')}, so no renju game goes on from it`,
          { move: index + 1, cell: { x, y }, reason: forbidden.reason },
        );
      }
    });
    this.#clean = { start, moves: moves.map(({ x, y }) => ({ x, y })) };
  }

  // The forbidden cells of each position (its stone lines "x,y,f", black to move when they are
  // even in number), asked of the brain in one go.
  #forbiddenCells(board, positions) {
    if (positions.length === 0) return [];
    this.startSession(board);
    const blocks = positions.flatMap((stoneLines) => ['FORBIDDEN', ...stoneLines, 'DONE']);
    const reply = this.#engine.command(['INFO rule 4', ...blocks].join('\n'));
    const answers = reply.filter((line) => line.startsWith('FORBIDDEN'));
    if (answers.length !== positions.length || reply.some((line) => line.startsWith('ERROR'))) {
      throw new EngineRefusedError(`the brain gave no forbidden cells: ${reply.join(' | ')}`);
    }
    return answers.map((line) =>
      line
        .split(' ')
        .slice(1)
        .map((cell) => {
          const [, x, y, reason] = ForbiddenCell.exec(cell) ?? [];
          if (reason === undefined) {
            throw new EngineRefusedError(`a strange forbidden cell: ${cell}`);
          }
          return { x: Number(x), y: Number(y), reason };
        }),
    );
  }
}

// The protocol's line for a stone: field 1 for the side to move, 2 for the other.
function ownField({ x, y, own }, isOwn = own) {
  return `${x},${y},${isOwn ? 1 : 2}`;
}

function sameCell(a, b) {
  return a.x === b.x && a.y === b.y;
}

// The thread's rule judge: a module instance of its own, made from the first compiled module a
// brain of this thread was made with, or else from the package's engine.wasm.
let judgeLoaded = null;
let judgeLoading = null;
let offeredModule = null;

// Makes the thread's judge from `compiled` (a WebAssembly.Module) unless there is one; resolves to
// the judge.
export function provideThreadJudge(compiled) {
  if (judgeLoaded) return Promise.resolve(judgeLoaded);
  judgeLoading ??= createEngineInstance(compiled).then(
    (engine) => (judgeLoaded = new RuleJudge(engine)),
    (error) => {
      judgeLoading = null;
      throw error;
    },
  );
  return judgeLoading;
}

// Offers a brain's compiled module to the thread's judge: kept, where the platform can make the
// judge from it when first asked (Node), else the judge is made from it now, so that outcome()
// can ask it at once.
export async function offerThreadJudge(compiled, platform) {
  if (platform.compileEngineSync) offeredModule ??= compiled;
  else await provideThreadJudge(compiled);
}

// Resolves to the thread's judge, loading the package's module if need be (`platform` is an
// entry's: { compileEngine, compileEngineSync? }).
export async function threadJudge(platform) {
  if (judgeLoaded) return judgeLoaded;
  if (judgeLoading) return judgeLoading;
  return provideThreadJudge(offeredModule ?? (await platform.compileEngine({})));
}

// The thread's judge at once: loaded already, or made now where the platform can read, compile and
// instantiate the module without waiting (Node). Throws a RulesNotLoadedError where it cannot (a
// browser's thread before any brain or game question has loaded the module).
export function threadJudgeNow(platform) {
  if (judgeLoaded) return judgeLoaded;
  if (!platform.compileEngineSync) {
    throw new RulesNotLoadedError(
      "black's moves in renju are judged by the brain's rules, whose module is not loaded in " +
        'this thread yet: await createBrain(), createBrainWorker(), isLegal() or forbidden() ' +
        'once before asking outcome() about a renju game given as a string of moves',
    );
  }
  const compiled = offeredModule ?? platform.compileEngineSync();
  judgeLoaded = new RuleJudge(createEngineInstanceSync(compiled));
  return judgeLoaded;
}
