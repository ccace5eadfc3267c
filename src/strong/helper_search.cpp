#include "strong/helper_search.hpp"

#include "strong/search_values.hpp"

namespace orvane::strong {

HelperSearch::HelperSearch(TranspositionTable& table, std::size_t cacheBytes)
    : cache_(cacheBytes),
      board_(Board{}, RuleLines(GameRule::Freestyle, true)),
      solver_(board_, control_, cache_),
      alphaBeta_(board_, table, order_, solver_, control_) {
  order_.clear();
}

void HelperSearch::prepare(const StrongBoard& board, const MoveList& rootMoves) {
  board_ = board;
  alphaBeta_.rootMoves() = rootMoves;
  order_.startTurn();
}

void HelperSearch::run(int firstDepth, int maxDepth, const TurnClock& clock,
                       const std::atomic<bool>& stop) {
  control_.follow(clock, stop);
  MoveList& rootMoves = alphaBeta_.rootMoves();
  for (int depth = firstDepth; depth <= maxDepth && !control_.stopped(); ++depth) {
    const int value = alphaBeta_.search(depth, -Infinite, Infinite, 0, Side::Own, true);
    if (control_.stopped() || isDecided(value)) break;
    rootMoves.keepBest(rootMoves.size());
  }
}

}  // namespace orvane::strong
