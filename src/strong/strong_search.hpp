#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "patterns/board.hpp"
#include "patterns/rule_lines.hpp"
#include "strong/alpha_beta.hpp"
#include "strong/move_order.hpp"
#include "strong/search_thread.hpp"
#include "strong/solver_cache.hpp"
#include "strong/solver_line.hpp"
#include "strong/strong_board.hpp"
#include "strong/threat_solver.hpp"
#include "strong/time_plan.hpp"
#include "strong/transposition_table.hpp"
#include "strong/turn_clock.hpp"
#include "strong/turn_control.hpp"

namespace orvane::strong {

// How far one turn's search may go: its time, and for fixed-effort play a depth in plies and a
// count of nodes (0: none).
struct SearchLimits {
  TurnBudget budget;
  int maxDepth = 60;
  std::uint64_t maxNodes = 0;
};

// What a finished iteration found, for the brain's side: the depth in plies, the nodes so far,
// the value (a decided value is a win or a loss with its five's ply), the milliseconds so far
// and the principal or proven line, the move first.
struct IterationReport {
  int depth = 0;
  std::uint64_t nodes = 0;
  int value = 0;
  std::int32_t elapsed = 0;
  SolverLine line;
};

// Told of every iteration as it finishes.
class IterationListener {
 public:
  virtual ~IterationListener() = default;
  virtual void iterationFinished(const IterationReport& report) = 0;
};

// The root's cells after the last finished iteration, best first, each with the value it
// scored there (for a cell after the first, a bound the cell did not beat): at most Capacity.
struct RootCandidates {
  static constexpr int Capacity = 12;
  std::array<std::int16_t, Capacity> cells{};
  std::array<int, Capacity> values{};
  int count = 0;
};

struct RootResult {
  int move = -1;  // the cell to play, -1 when the board has none
  IterationReport report;
  RootCandidates candidates;  // none when a proof decided the move
};

// The strong search of one brain, kept from move to move: the transposition table, the threat
// solver's cache and the move order's history, all taken when it is made. A turn first looks for
// a win it can prove (a five, a four no block stops, then the shortest win by fours, then by
// fours and threes), then deepens the alpha-beta search one ply at a time while the budget lasts.
class StrongSearch {
 public:
  static constexpr int MaxThreads = 16;

  // `memoryBytes`: what the tables may take together. `threads`: how many threads search
  // together over the one transposition table, 1 to MaxThreads (lazy SMP).
  explicit StrongSearch(std::size_t memoryBytes, int threads = 1);

  RootResult run(const Board& board, const RuleLines& codes, const SearchLimits& limits,
                 const TurnClock& clock, IterationListener* listener);
  // A new game, or another rule: nothing learnt before applies.
  void forget();

 private:
  RootResult proveOrDeepen(const SearchLimits& limits, const TurnClock& clock,
                           IterationListener* listener);
  RootResult deepen(const SearchLimits& limits, IterationListener* listener);
  RootResult deepenWithHelpers(const SearchLimits& limits, const TurnClock& clock,
                               IterationListener* listener);
  RootResult decided(int move, int value, const SolverLine& line, IterationListener* listener);
  void keepDefences(MoveList& rootMoves, std::uint64_t nodeBudget);
  std::uint64_t threatNodes(const SearchLimits& limits) const;

  TranspositionTable table_;
  SearchThread main_;
  std::vector<std::unique_ptr<SearchThread>> helpers_;
};

}  // namespace orvane::strong
