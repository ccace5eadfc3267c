#pragma once

#include "patterns/board_lines.hpp"
#include "patterns/neighbourhood.hpp"
#include "patterns/pattern_map.hpp"
#include "search/cell_scores.hpp"

namespace orvane {

// What one trial stone keeps to be lifted without a trace.
struct TrialStoneSave {
  NeighbourhoodSave neighbourhood;
  ScoreSave scores;
};

// The position every node of one search shares: the board and its pattern map, with the board's
// lines and the cells' scores kept in step with them around every trial stone.
class SearchPosition {
 public:
  // The map must describe the board.
  explicit SearchPosition(Position& position)
      : position_(position), lines_(position.board), scores_(position.map) {}

  const CellScores& scores() const { return scores_; }

  // Only the scores of `scoredSides` follow the stone.
  void placeStone(int x, int y, CellState stone, ScoredSides scoredSides, TrialStoneSave& save) {
    const int index = cellIndex(x, y);
    position_.board.cells[index] = stone;
    lines_.place(index, stone);
    SaveNeighbourhood(save.neighbourhood, position_.map, x, y);
    const RecordMask changed = UpdateAfterStone(position_.map, lines_, x, y);
    scores_.placeStone(index, changed, position_.map, scoredSides, save.scores);
  }

  void liftStone(int x, int y, const TrialStoneSave& save) {
    const int index = cellIndex(x, y);
    position_.board.cells[index] = CellState::Empty;
    lines_.lift(index);
    RestoreNeighbourhood(save.neighbourhood, position_.map, x, y);
    scores_.liftStone(index, save.scores);
  }

 private:
  Position& position_;
  BoardLines lines_;
  CellScores scores_;
};

}  // namespace orvane
