#pragma once

#include <array>
#include <cstdint>

#include "strong/late_move_reduction.hpp"
#include "strong/move_list.hpp"
#include "strong/move_order.hpp"
#include "strong/search_parameters.hpp"
#include "strong/solver_line.hpp"
#include "strong/strong_board.hpp"
#include "strong/threat_solver.hpp"
#include "strong/transposition_table.hpp"
#include "strong/turn_control.hpp"

namespace orvane::strong {

// How wide a node looks and how much it may spend on its own proofs, fixed when the search is
// made; a test sets every limit out of reach to compare the search with a plain minimax.
struct SearchShape {
  int quietWidth = tuning::QuietWidth;
  std::uint64_t fourNodes = tuning::NodeFourNodes;
  std::uint64_t leafFourNodes = tuning::LeafFourNodes;
  bool pruning = true;  // late-move reductions
};

// Principal-variation alpha-beta over the strong board. Each node first settles what needs no
// search: a five to make, the other side's five to block (the only move, searched a ply deeper
// for free), a four that no block stops, a win by continuous fours (VCF). Then it tries the
// cells the move picker gives for the threat it faces, in the order the table, the killers and
// the history give; later quiet moves are searched a ply shallower first.
//
// The root is a node like any other, at ply 0, whose cells are the root's list, in the order
// left there; each root cell keeps the value it scored as its order for the next iteration.
class AlphaBeta {
 public:
  static constexpr int MaxPly = MoveOrder::MaxPly;

  AlphaBeta(StrongBoard& board, TranspositionTable& table, MoveOrder& order, ThreatSolver& solver,
            TurnControl& control, const SearchShape& shape = {})
      : board_(board),
        table_(table),
        order_(order),
        solver_(solver),
        control_(control),
        shape_(shape) {}

  // The value of the position for `toMove`, searched `depth` plies deep, `ply` plies below the
  // root. 0 once the control has stopped the search.
  int search(int depth, int alpha, int beta, int ply, Side toMove, bool principal);

  // The cells of the root, which the root's search tries in their order.
  MoveList& rootMoves() { return stack_[0].moves; }
  // The principal line of the root's last search, the root's move first.
  SolverLine principalLine() const;

  // The best root cell that the last root search finished, and its value: after a search the
  // clock stopped, the best of the cells it had time for. -1 when it finished none.
  int rootBestMove() const { return rootBestMove_; }
  int rootBestValue() const { return rootBestValue_; }

 private:
  // What one ply keeps: the cells its node tries, the one it is trying, and the principal line
  // from it, its move first.
  struct PlyFrame {
    MoveList moves;
    int move = -1;
    std::array<std::int16_t, MaxPly> line{};
    int lineLength = 0;
  };

  std::uint64_t keyOf(Side toMove) const;
  void play(int cell, Side side) {
    board_.play(cell, side);
    control_.countNode();
  }
  // The line at `ply` becomes `cell` and, unless `alone`, the line below it.
  void setLine(int ply, int cell, bool alone);

  StrongBoard& board_;
  TranspositionTable& table_;
  MoveOrder& order_;
  ThreatSolver& solver_;
  TurnControl& control_;
  SearchShape shape_;
  std::array<PlyFrame, MaxPly> stack_;
  LateMoveReduction reduction_;
  int rootBestMove_ = -1;
  int rootBestValue_ = 0;
};

}  // namespace orvane::strong
