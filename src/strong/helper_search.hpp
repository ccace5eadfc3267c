#pragma once

#include <atomic>
#include <cstddef>

#include "strong/alpha_beta.hpp"
#include "strong/move_list.hpp"
#include "strong/move_order.hpp"
#include "strong/solver_cache.hpp"
#include "strong/strong_board.hpp"
#include "strong/threat_solver.hpp"
#include "strong/transposition_table.hpp"
#include "strong/turn_control.hpp"

namespace orvane::strong {

// One helper thread of the search (lazy SMP): a board, a threat solver, a move order and an
// alpha-beta search of its own, over the transposition table it shares with the main search.
// It deepens the root's cells one ply at a time until it is told to stop; what it finds reaches
// the main search through the table alone.
class HelperSearch {
 public:
  HelperSearch(TranspositionTable& table, std::size_t cacheBytes);

  // On the main thread, before the helper starts: the position and the root's cells.
  void prepare(const StrongBoard& board, const MoveList& rootMoves);
  // On the helper's thread: searches from `firstDepth` to `maxDepth` plies until `stop` is set.
  void run(int firstDepth, int maxDepth, const TurnClock& clock, const std::atomic<bool>& stop);

 private:
  SolverCache cache_;
  MoveOrder order_;
  StrongBoard board_;
  TurnControl control_;
  ThreatSolver solver_;
  AlphaBeta alphaBeta_;
};

}  // namespace orvane::strong
