#include "strong/strong_search.hpp"

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>

#include "strong/evaluation.hpp"
#include "strong/move_picker.hpp"
#include "strong/search_parameters.hpp"
#include "strong/search_values.hpp"
#include "strong/threat_cells.hpp"

namespace orvane::strong {

namespace {

std::size_t tableShare(std::size_t memoryBytes) {
  return memoryBytes / 2;
}
std::size_t cacheShare(std::size_t memoryBytes) {
  return memoryBytes / 16;
}

// The cell goes first among the candidates, with its value; the others keep their order.
void promoteCandidate(RootCandidates& candidates, int cell, int value) {
  int at = 0;
  while (at < candidates.count && candidates.cells[at] != cell)
    ++at;
  if (at == candidates.count) {
    // A cell not among them takes the last place, or a new one while there is room.
    if (candidates.count < RootCandidates::Capacity) ++candidates.count;
    at = candidates.count - 1;
  }
  for (int i = at; i > 0; --i) {
    candidates.cells[i] = candidates.cells[i - 1];
    candidates.values[i] = candidates.values[i - 1];
  }
  candidates.cells[0] = static_cast<std::int16_t>(cell);
  candidates.values[0] = value;
}

// The empty cell, allowed to `side`, nearest the centre of the 20 x 20 grid (a smaller board
// lies in its top left corner), for a board whose search found no cell to weigh.
int fallbackCell(StrongBoard& board, Side side) {
  int best = -1;
  int bestDistance = 1 << 20;
  for (int cell = 0; cell < CellCount; ++cell) {
    if (!board.isEmpty(cell) || board.isForbidden(side, cell)) continue;
    const int distance =
        std::abs(cell % BoardSide - BoardSide / 2) + std::abs(cell / BoardSide - BoardSide / 2);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = cell;
    }
  }
  return best;
}

}  // namespace

StrongSearch::StrongSearch(std::size_t memoryBytes, int threads)
    : table_(tableShare(memoryBytes)), main_(table_, cacheShare(memoryBytes)) {
  for (int i = 1; i < std::clamp(threads, 1, MaxThreads); ++i)
    helpers_.push_back(std::make_unique<SearchThread>(table_, cacheShare(memoryBytes) / 4));
}

void StrongSearch::forget() {
  table_.clear();
  main_.cache.clear();
  main_.order.clear();
}

RootResult StrongSearch::run(const Board& board, const RuleLines& codes, const SearchLimits& limits,
                             const TurnClock& clock, IterationListener* listener) {
  main_.board = StrongBoard(board, codes);
  main_.control.start(clock, limits.budget, limits.maxNodes);
  table_.startTurn();
  main_.order.startTurn();
  // The threat solver's cache holds failures for a given board only while its stones stay: a
  // new turn keeps them, since trial stones are always taken back.
  return proveOrDeepen(limits, clock, listener);
}

RootResult StrongSearch::decided(int move, int value, const SolverLine& line,
                                 IterationListener* listener) {
  RootResult result;
  result.move = move;
  result.report.depth = std::max(1, line.length);
  result.report.nodes = main_.control.nodes();
  result.report.value = value;
  result.report.elapsed = main_.control.elapsed();
  result.report.line = line;
  if (listener != nullptr) listener->iterationFinished(result.report);
  return result;
}

std::uint64_t StrongSearch::threatNodes(const SearchLimits& limits) const {
  std::uint64_t nodes = limits.budget.timed()
                            ? std::clamp<std::uint64_t>(
                                  static_cast<std::uint64_t>(limits.budget.optimum) *
                                      tuning::RootThreatWinNodesPerMillisecond,
                                  tuning::RootThreatWinNodesFloor, 4 * tuning::RootThreatWinNodes)
                            : tuning::RootThreatWinNodes;
  // Play at a fixed count of nodes gives the proofs the same share of it as of a turn's time.
  if (limits.maxNodes != 0) {
    nodes =
        std::min(nodes, std::max<std::uint64_t>(limits.maxNodes * tuning::ProofShare / 100, 1000));
  }
  return nodes;
}

RootResult StrongSearch::proveOrDeepen(const SearchLimits& limits, const TurnClock& clock,
                                       IterationListener* listener) {
  const Side own = Side::Own;
  const Side other = Side::Opponent;
  SolverLine line;
  if (const int five = FiveCell(main_.board, own); five >= 0) {
    line.push(five);
    return decided(five, winWithFiveAt(1), line, listener);
  }
  const CellBits& otherFives = main_.board.cellsWith(other, Threat::Five);
  const int block = otherFives.first();
  const std::uint64_t proofNodes = threatNodes(limits);
  if (block >= 0) {
    if (otherFives.count() > 1 || main_.board.isForbidden(own, block)) {
      const int move = main_.board.isForbidden(own, block) ? fallbackCell(main_.board, own) : block;
      line.push(move);
      otherFives.forEach([&](int five) {
        if (line.length == 1 && five != move) line.push(five);
      });
      return decided(move, lossWithFiveAt(2), line, listener);
    }
  } else {
    if (const int winning = WinningFourCell(main_.board, own); winning >= 0) {
      line.push(winning);
      return decided(winning, winWithFiveAt(3), line, listener);
    }
    if (const int moves =
            main_.solver.shortestFourWin(own, tuning::RootFourWinMoves, tuning::RootFourWinNodes)) {
      return decided(main_.solver.line().cells[0], winWithFiveAt(2 * moves - 1),
                     main_.solver.line(), listener);
    }
    main_.control.enter(TurnPhase::OwnProof);
    if (const int moves =
            main_.solver.shortestThreatWin(own, tuning::RootThreatWinMoves, proofNodes)) {
      return decided(main_.solver.line().cells[0], winWithFiveAt(2 * moves - 1),
                     main_.solver.line(), listener);
    }
  }
  MoveList& rootMoves = main_.alphaBeta.rootMoves();
  const MoveStage stage = PickMoves(main_.board, main_.solver, own, rootMoves);
  for (int i = 0; i < rootMoves.size(); ++i)
    rootMoves.setScore(i, CellOrder(main_.board, own, rootMoves.cell(i)));
  main_.control.enter(TurnPhase::Defence);
  if (stage != MoveStage::BlockFive &&
      main_.solver.shortestThreatWin(other, tuning::RootThreatWinMoves, proofNodes) > 0)
    keepDefences(rootMoves, 5 * proofNodes / 2);
  main_.control.enter(TurnPhase::Deepening);
  // Every answer to a threat stays; only a quiet root is cut to its strongest cells.
  rootMoves.keepBest(stage == MoveStage::Quiet ? tuning::RootWidth : rootMoves.size());
  if (rootMoves.empty()) {
    const int move = fallbackCell(main_.board, own);
    if (move >= 0) line.push(move);
    return decided(move, Evaluate(main_.board, own), line, listener);
  }
  return helpers_.empty() ? deepen(limits, listener) : deepenWithHelpers(limits, clock, listener);
}

RootResult StrongSearch::deepenWithHelpers(const SearchLimits& limits, const TurnClock& clock,
                                           IterationListener* listener) {
  // The helpers start from the root as it is now, half of them a ply deeper than the main
  // search, so that the threads spread over the depths; they stop when the main search ends.
  std::atomic<bool> stop{false};
  std::array<std::thread, MaxThreads> threads;
  for (std::size_t i = 0; i < helpers_.size(); ++i) {
    helpers_[i]->prepare(main_.board, main_.alphaBeta.rootMoves());
    threads[i] = std::thread(
        [&, i] { helpers_[i]->run(1 + static_cast<int>(i % 2), limits.maxDepth, clock, stop); });
  }
  const RootResult result = deepen(limits, listener);
  stop.store(true, std::memory_order_relaxed);
  for (std::size_t i = 0; i < helpers_.size(); ++i)
    threads[i].join();
  return result;
}

void StrongSearch::keepDefences(MoveList& rootMoves, std::uint64_t nodeBudget) {
  // The other side wins by fours and threes if the brain lets it. The cells of that win are
  // tried first, then the root's own cells, each with a share of the nodes left: the moves
  // after which the other side still wins are dropped. The moves whose test ran out of nodes
  // come after those that were proven to stop it; when no move stops it, every move stays, and
  // the search picks the longest defence.
  const SolverLine threat = main_.solver.line();
  MoveList tried;
  for (int i = 0; i < threat.length; ++i) {
    const int cell = threat.cells[i];
    if (main_.board.isEmpty(cell) && !main_.board.isForbidden(Side::Own, cell)) tried.add(cell);
  }
  rootMoves.keepBest(tuning::RootWidth);
  for (int i = 0; i < rootMoves.size(); ++i)
    tried.add(rootMoves.cell(i));
  const std::uint64_t start = main_.control.nodes();
  MoveList proven;
  MoveList open;
  for (int i = 0; i < tried.size() && !main_.control.phaseOver(); ++i) {
    const std::uint64_t spent = main_.control.nodes() - start;
    const std::uint64_t left = nodeBudget > spent ? nodeBudget - spent : 0;
    const std::uint64_t share = std::max<std::uint64_t>(left / (tried.size() - i), 1000);
    const int cell = tried.cell(i);
    main_.board.play(cell, Side::Own);
    const bool stillWins =
        main_.solver.shortestThreatWin(Side::Opponent, tuning::RootThreatWinMoves, share) > 0;
    const bool complete = main_.solver.lastSearchComplete();
    main_.board.undo(cell);
    const int order = CellOrder(main_.board, Side::Own, cell);
    if (!stillWins) (complete ? proven : open).push(cell, order);
  }
  if (!proven.empty()) {
    rootMoves = proven;
    return;
  }
  // Nothing proven: the cells of the other side's win that were not refuted, and the fours of
  // one's own, which keep the other side busy.
  open.removeIf([&](int cell) {
    for (int i = 0; i < threat.length; ++i) {
      if (threat.cells[i] == cell) return false;
    }
    return !makesFour(main_.board.threat(Side::Own, cell));
  });
  if (!open.empty()) rootMoves = open;
}

RootResult StrongSearch::deepen(const SearchLimits& limits, IterationListener* listener) {
  const Side own = Side::Own;
  MoveList& rootMoves = main_.alphaBeta.rootMoves();
  RootResult result;
  result.move = rootMoves.cell(0);
  int previousValue = 0;
  for (int depth = 1; depth <= limits.maxDepth; ++depth) {
    const int value = main_.alphaBeta.search(depth, -Infinite, Infinite, 0, own, true);
    const int bestMove = main_.alphaBeta.rootBestMove();
    if (main_.control.stopped()) {
      // A cut-short iteration whose best finished cell beats the move of the last one: its
      // value is exact, since a cell that beats the first is searched again with the full
      // window, and it is reported like a finished iteration.
      if (bestMove >= 0 && bestMove != result.move) {
        SolverLine line;
        line.push(bestMove);
        result.move = bestMove;
        result.report = {depth, main_.control.nodes(), main_.alphaBeta.rootBestValue(),
                         main_.control.elapsed(), line};
        promoteCandidate(result.candidates, bestMove, main_.alphaBeta.rootBestValue());
        if (listener != nullptr) listener->iterationFinished(result.report);
      }
      break;
    }
    if (bestMove < 0) break;
    const bool unsettled = bestMove != result.move || value < previousValue - tuning::ValueDrop;
    result.move = bestMove;
    result.report = {depth, main_.control.nodes(), value, main_.control.elapsed(),
                     main_.alphaBeta.principalLine()};
    if (listener != nullptr) listener->iterationFinished(result.report);
    previousValue = value;
    // The best move first, the others by what they scored.
    for (int i = 0; i < rootMoves.size(); ++i) {
      if (rootMoves.cell(i) == bestMove) rootMoves.setScore(i, Infinite);
    }
    rootMoves.keepBest(rootMoves.size());
    result.candidates.count = std::min(rootMoves.size(), RootCandidates::Capacity);
    for (int i = 0; i < result.candidates.count; ++i) {
      result.candidates.cells[i] = static_cast<std::int16_t>(rootMoves.cell(i));
      result.candidates.values[i] = i == 0 ? value : rootMoves.score(i);
    }
    if (isDecided(value) || rootMoves.size() == 1) break;
    if (unsettled && depth > 1) main_.control.stretchToHardLimit();
    if (!main_.control.startNextIteration()) break;
  }
  return result;
}

}  // namespace orvane::strong
