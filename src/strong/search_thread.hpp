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

// What one thread of the search works with: a board of its own trial stones, a threat solver
// with its cache, a move order, its control and an alpha-beta search, over the transposition
// table that every thread shares. The main search has one; with INFO thread_num N, N - 1 helpers
// (lazy SMP) have one each: a helper deepens the root's cells one ply at a time until it is told
// to stop, and what it finds reaches the main search through the table alone.
struct SearchThread {
  SearchThread(TranspositionTable& table, std::size_t cacheBytes);

  // A helper, on the main thread before it starts: the position and the root's cells.
  void prepare(const StrongBoard& position, const MoveList& rootMoves);
  // A helper, on its own thread: searches from `firstDepth` to `maxDepth` plies until `stop` is
  // set.
  void run(int firstDepth, int maxDepth, const TurnClock& clock, const std::atomic<bool>& stop);

  SolverCache cache;
  MoveOrder order;
  StrongBoard board;
  TurnControl control;
  ThreatSolver solver;
  AlphaBeta alphaBeta;
};

}  // namespace orvane::strong
