#pragma once

#include <array>
#include <cstdint>

#include "strong/move_list.hpp"
#include "strong/move_order.hpp"
#include "strong/search_control.hpp"
#include "strong/solver_line.hpp"
#include "strong/strong_board.hpp"
#include "strong/threat_solver.hpp"
#include "strong/transposition_table.hpp"

namespace orvane::strong {

// How wide and how deep the search looks, fixed when it is built.
struct SearchShape {
  int quietWidth = 16;           // the strongest quiet cells a node tries
  int fourMoves = 8;             // moves of a search by fours at a node
  std::uint64_t fourNodes = 50;  // its nodes
  bool lateMoveReductions = true;
};

// Principal-variation alpha-beta over the strong board. Each node first settles what needs no
// search: a five to make, the other side's five to block (the only move, searched a ply deeper
// for free), a four that no block stops, a win by continuous fours (VCF). Then, when the other
// side threatens a straight four, a four with a three or two threes, it tries only the cells
// that answer the threat and its own fours; otherwise the strongest quiet cells. The table, the
// killers and the history order the moves; later quiet moves are searched a ply shallower first.
class AlphaBeta {
 public:
  static constexpr int MaxPly = MoveOrder::MaxPly;

  AlphaBeta(StrongBoard& board, TranspositionTable& table, MoveOrder& order, ThreatSolver& solver,
            SearchControl& control, const SearchShape& shape)
      : board_(board),
        table_(table),
        order_(order),
        solver_(solver),
        control_(control),
        shape_(shape) {}

  // The value of the position for `toMove`, searched `depth` plies deep, `ply` plies below the
  // root. 0 once the control has stopped the search.
  int search(int depth, int alpha, int beta, int ply, Side toMove, bool principal);

  // The cells a node of `toMove` tries, by the rules above, ordered later by search().
  void generateMoves(Side toMove, MoveList& moves);

  // The principal line below the node at `ply`, from its last search.
  SolverLine principalLine(int ply) const;
  // Sets the principal line at `ply` to `cell` followed by the line below it.
  void updatePrincipalLine(int ply, int cell);

 private:
  void scoreMoves(Side toMove, int ply, int tableMove, MoveList& moves) const;
  std::uint64_t keyOf(Side toMove) const;
  void play(int cell, Side side) {
    board_.play(cell, side);
    control_.countNode();
  }

  StrongBoard& board_;
  TranspositionTable& table_;
  MoveOrder& order_;
  ThreatSolver& solver_;
  SearchControl& control_;
  SearchShape shape_;
  std::array<MoveList, MaxPly> moves_;
  std::array<std::array<std::int16_t, MaxPly>, MaxPly> line_{};
  std::array<int, MaxPly> lineLength_{};
};

}  // namespace orvane::strong
