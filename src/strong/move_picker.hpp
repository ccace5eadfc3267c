#pragma once

#include <cstdint>

#include "strong/move_list.hpp"
#include "strong/move_order.hpp"
#include "strong/search_parameters.hpp"
#include "strong/strong_board.hpp"
#include "strong/threat_solver.hpp"

namespace orvane::strong {

// What a node faces, which decides the cells it tries, strongest threat first.
enum class MoveStage : std::uint8_t {
  // The other side has a five to make: the block is the only move.
  BlockFive,
  // The other side threatens a straight four, a four with a three or two threes: the cells that
  // answer the threat, and one's own fours, which the other side must answer first (against two
  // threes to come, one's own threes too, a move ahead of them).
  AnswerMenace,
  // The other side wins by continuous fours: the cells of its line, every cell where it makes a
  // four, and one's own fours.
  BreakFourWin,
  // Nothing threatens: the quiet cells, where either side makes anything short of a win.
  Quiet,
};

// Gathers the cells a node of `toMove` tries, by the stage its position is in, and returns the
// stage. The node has settled its own five and the other side's double five before. Black in
// renju never gets a cell it may not play. `solver` looks for the other side's win by fours,
// within `fourNodes` nodes.
MoveStage PickMoves(StrongBoard& board, ThreatSolver& solver, Side toMove, MoveList& moves,
                    std::uint64_t fourNodes = tuning::NodeFourNodes);

// Orders the picked cells, best first: the table's move, then the killers of the ply, the
// history of the side and the cell's learnt order, which counts how near it lies to the last
// stones of the other side and of the side to move (-1: not known). Only the quiet stage is cut,
// to the strongest `quietWidth` cells: every answer to a threat is kept.
struct LastMoves {
  int other = -1;
  int own = -1;
};
void OrderMoves(const StrongBoard& board, const MoveOrder& order, MoveStage stage, Side toMove,
                int ply, int tableMove, LastMoves last, MoveList& moves,
                int quietWidth = tuning::QuietWidth);

}  // namespace orvane::strong
