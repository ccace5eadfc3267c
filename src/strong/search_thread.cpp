#include "strong/search_thread.hpp"

#include "strong/search_values.hpp"

namespace orvane::strong {

SearchThread::SearchThread(TranspositionTable& table, std::size_t cacheBytes)
    : cache(cacheBytes),
      board(Board{}, RuleLines(GameRule::Freestyle, true)),
      solver(board, control, cache),
      alphaBeta(board, table, order, solver, control) {
  order.clear();
}

void SearchThread::prepare(const StrongBoard& position, const MoveList& rootMoves) {
  board = position;
  alphaBeta.rootMoves() = rootMoves;
  order.startTurn();
}

void SearchThread::run(int firstDepth, int maxDepth, const TurnClock& clock,
                       const std::atomic<bool>& stop) {
  control.follow(clock, stop);
  MoveList& rootMoves = alphaBeta.rootMoves();
  for (int depth = firstDepth; depth <= maxDepth && !control.stopped(); ++depth) {
    const int value = alphaBeta.search(depth, -Infinite, Infinite, 0, Side::Own, true);
    if (control.stopped() || isDecided(value)) break;
    rootMoves.keepBest(rootMoves.size());
  }
}

}  // namespace orvane::strong
