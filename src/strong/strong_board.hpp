#pragma once

#include <array>
#include <cstdint>

#include "patterns/board.hpp"
#include "patterns/board_lines.hpp"
#include "patterns/forbidden_moves.hpp"
#include "patterns/rule_lines.hpp"
#include "strong/cell_bits.hpp"
#include "strong/cell_threat.hpp"
#include "strong/side.hpp"

namespace orvane::strong {

// The position the strong search plays its trial stones on. For every empty cell it keeps the
// shape that a stone of each side would take part in along each line, under the rule's own line
// codes, and from them what the stone would make for each side (a five, a four, a three, ...),
// with the cells of each such threat as a set, the sums of the cells' static values and a
// Zobrist hash. A stone changes the shapes of the empty cells up to five cells away along its
// four lines (exactly five and caro look one cell past a five), which are worked out again both
// when it is played and when it is taken back.
class StrongBoard {
 public:
  // `board` holds the position, the cells past the board's area blocked; Own and Opponent are
  // the sides of `codes`.
  StrongBoard(const Board& board, const RuleLines& codes);

  void play(int cell, Side side);
  void undo(int cell);

  CellState at(int cell) const { return cells_[cell]; }
  bool isEmpty(int cell) const { return cells_[cell] == CellState::Empty; }
  const CellSummary& summary(Side side, int cell) const {
    return summaries_[sideIndex(side)][cell];
  }
  Threat threat(Side side, int cell) const { return summary(side, cell).threat; }
  // The empty cells where a stone of `side` makes exactly `threat`.
  const CellBits& cellsWith(Side side, Threat threat) const {
    return threatCells_[sideIndex(side)][static_cast<int>(threat)];
  }
  // What the empty cells add to the static value of `side`, when it is to move and when the
  // other side is.
  std::int32_t moverSum(Side side) const { return moverSums_[sideIndex(side)]; }
  std::int32_t waitingSum(Side side) const { return waitingSums_[sideIndex(side)]; }
  // The rule's values of the static evaluation.
  const EvaluationWeights& weights() const { return *weights_; }
  // The rule's values of the move order.
  const PolicyWeights& policy() const { return *policy_; }
  // The shapes of the stones of `side` on the line of `cell` in `direction`.
  LineShape shape(Side side, int cell, int direction) const {
    return sideIndex(side) == 0 ? shapes_[cell][direction].own : shapes_[cell][direction].opponent;
  }

  std::uint64_t hash() const { return hash_; }
  int stoneCount() const { return stoneCount_; }

  // Renju: whether `side` is black, who may not play every cell.
  bool forbidsMoves(Side side) const { return forbiddingSide_ == sideIndex(side); }
  // Whether `side` may not play the empty cell: only black in renju, on a forbidden cell.
  bool isForbidden(Side side, int cell) {
    if (!forbidsMoves(side) || !summary(side, cell).judgeForBlack) return false;
    return JudgeBlackMove(lines_, codes_, cell).forbidden != Forbidden::No;
  }

 private:
  void refreshShapes(int cell, int direction);
  // The summaries of `cell` for both sides, or for one when the cell stays empty.
  void refreshSummaries(int cell);
  void refreshSummary(int side, int cell);
  // The summary of the empty `cell` for `side` after one of its lines' shapes changed.
  void changeShape(int side, int cell, LineShape before, LineShape after);
  void setSummary(int side, int cell, const CellSummary& summary);
  void refreshAround(int cell);

  RuleLines codes_;
  BoardLines lines_;
  std::array<CellState, CellCount> cells_;
  std::array<std::array<RuleLines::Shapes, DirectionCount>, CellCount> shapes_;
  std::array<std::array<CellSummary, CellCount>, 2> summaries_;
  // What the shapes of each empty cell's four lines add up to, for each side.
  std::array<std::array<ShapeTraits, CellCount>, 2> lineSums_;
  std::array<std::array<CellBits, ThreatCount>, 2> threatCells_;
  std::array<std::int32_t, 2> moverSums_{};
  std::array<std::int32_t, 2> waitingSums_{};
  const EvaluationWeights* weights_;
  const PolicyWeights* policy_;
  ShapeTraitsTable traits_;
  std::uint64_t hash_ = 0;
  int stoneCount_ = 0;
  int forbiddingSide_ = -1;
};

}  // namespace orvane::strong
