#pragma once

#include <concepts>

#include "patterns/board_lines.hpp"
#include "patterns/forbidden_moves.hpp"
#include "patterns/freestyle_lines.hpp"
#include "patterns/neighbourhood.hpp"
#include "patterns/pattern_map.hpp"
#include "patterns/rule_lines.hpp"
#include "search/cell_scores.hpp"

namespace orvane {

// What one trial stone keeps to be lifted without a trace.
struct TrialStoneSave {
  NeighbourhoodSave neighbourhood;
  ScoreSave scores;
};

// The position every node of one search shares: the board and its pattern map, with the board's
// lines and the cells' scores kept in step with them around every trial stone. `Lines` are the
// rule's line codes: FreestyleLines, or RuleLines for the other rules.
template <typename Lines = FreestyleLines>
class SearchPosition {
 public:
  // The map must describe the board under the rule of `codes`.
  explicit SearchPosition(Position& position, const Lines& codes = Lines{})
      : position_(position), codes_(codes), lines_(position.board), scores_(position.map, codes) {}

  const CellScores<Lines>& scores() const { return scores_; }
  const Lines& codes() const { return codes_; }
  const Board& board() const { return position_.board; }

  // Only the scores of `scoredSides` follow the stone.
  void placeStone(int x, int y, CellState stone, ScoredSides scoredSides, TrialStoneSave& save) {
    const int index = cellIndex(x, y);
    position_.board.cells[index] = stone;
    lines_.place(index, stone);
    SaveNeighbourhood(save.neighbourhood, position_.map, x, y);
    RecordMask changed;
    if constexpr (std::same_as<Lines, FreestyleLines>) {
      changed = UpdateAfterStone(position_.map, lines_, x, y);
    } else {
      changed = UpdateAfterStone(position_.map, lines_, codes_, x, y);
    }
    scores_.placeStone(index, changed, position_.map, scoredSides, save.scores);
  }

  void liftStone(int x, int y, const TrialStoneSave& save) {
    const int index = cellIndex(x, y);
    position_.board.cells[index] = CellState::Empty;
    lines_.lift(index);
    RestoreNeighbourhood(save.neighbourhood, position_.map, x, y);
    scores_.liftStone(index, save.scores);
  }

  // Renju: what a black stone on the empty cell (x, y) would make, forbidden or not.
  BlackMove judgeBlackMove(int x, int y) requires std::same_as<Lines, RuleLines> {
    return JudgeBlackMove(lines_, codes_, cellIndex(x, y));
  }

 private:
  Position& position_;
  [[no_unique_address]] Lines codes_;
  BoardLines lines_;
  CellScores<Lines> scores_;
};

}  // namespace orvane
