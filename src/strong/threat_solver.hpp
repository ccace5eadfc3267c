#pragma once

#include <array>
#include <cstdint>

#include "strong/move_list.hpp"
#include "strong/solver_cache.hpp"
#include "strong/solver_line.hpp"
#include "strong/strong_board.hpp"
#include "strong/turn_control.hpp"

namespace orvane::strong {

// Proves wins by threats that the other side must answer. Victory by continuous fours (VCF):
// the attacker plays only fours, each leaving one cell to block, until it makes a five or a
// four that no block stops. Victory by fours and threes (VCT): threes too, each answered by
// every defence (the cells that stop the straight four to come, and the defender's own fours,
// each of which the attacker must block before it goes on, so that a win of the defender's by
// fours is met on the way), and lost at once when the defender can make a straight four. A win
// counts the attacker's moves up to and including the five, the first move counting 1, and
// deepening by one move at a time finds the least.
class ThreatSolver {
 public:
  ThreatSolver(StrongBoard& board, TurnControl& control, SolverCache& cache)
      : board_(board), control_(control), cache_(cache) {}

  // `attacker` is to move. The least moves of a win found within `maxMoves` moves of the
  // attacker's and `nodeBudget` nodes, or 0; the proven line is in line().
  int shortestFourWin(Side attacker, int maxMoves, std::uint64_t nodeBudget);
  int shortestThreatWin(Side attacker, int maxMoves, std::uint64_t nodeBudget);
  // One search by fours, not the least moves: the moves of a win within `maxMoves`, or 0.
  int fourWin(Side attacker, int maxMoves, std::uint64_t nodeBudget);

  // Whether the last search ran to its end, within its nodes and the turn's time: a search
  // that found nothing proves then that there is no win within its moves.
  bool lastSearchComplete() const { return !aborted_; }

  // The line of the last win found: the attacker's moves and the forced replies, the last
  // cell the attacker's five or the four that no block stops.
  const SolverLine& line() const { return found_; }

 private:
  bool fourAttack(Side attacker, int movesLeft);
  bool threatAttack(Side attacker, int movesLeft);
  bool threatDefence(Side attacker, int movesLeft);

  void play(int cell, Side side);
  void undo();
  bool outOfBudget();
  // The line so far, then `last`, becomes the found line; `last` is a five, or (`fiveNext`
  // false) a four that no block stops, the five a move later.
  void win(int last, bool fiveNext = true);
  void startSearch(std::uint64_t nodeBudget);

  static constexpr int MaxDepth = 80;

  StrongBoard& board_;
  TurnControl& control_;
  SolverCache& cache_;
  std::array<std::int16_t, MaxDepth> path_{};
  int depth_ = 0;
  std::array<MoveList, MaxDepth> moves_;
  SolverLine found_;
  int foundMoves_ = 0;
  std::uint64_t nodeLimit_ = 0;
  bool aborted_ = false;
};

}  // namespace orvane::strong
