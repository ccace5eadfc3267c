#pragma once

#include "patterns/board.hpp"
#include "patterns/pattern_map.hpp"
#include "patterns/pattern_score_table.hpp"
#include "support/line_steps.hpp"

namespace orvane::testing {

// The code of one direction of an empty cell, taken straight from the definition of windows
// rather than from a running walk: every window of 5, 6 or 7 cells between positions -4 and +4
// that contains the cell, counted for a side when all its cells are on the board and none holds a
// stone of the other side. Windows are met by their last position, in walk order; at each last
// position the own side's windows are the only ones considered when its five-cell window counts,
// otherwise the opponent's. Within a position the shorter window comes first, and only a strictly
// greater value replaces the code.
class ReferenceEvaluation {
 public:
  ReferenceEvaluation(const Board& board, int x, int y, LineStep step) {
    for (int t = -4; t <= 4; ++t) {
      const int px = x + t * step.dx;
      const int py = y + t * step.dy;
      onBoard_[t + 4] = isOnBoard(px, py);
      state_[t + 4] = onBoard_[t + 4] ? board.at(px, py) : CellState::Empty;
    }
  }

  DirectionCode code() const {
    DirectionCode code = 0;
    int bestValue = 0;
    for (int last = 0; last <= 4; ++last) {
      for (CellState side : {CellState::Own, CellState::Opponent}) {
        if (!counts(side, last - 4, last)) continue;
        for (int length = 5; length <= 7; ++length) {
          const int first = last - length + 1;
          if (first < -4 || !counts(side, first, last)) break;
          const int index = tableIndex(first, last);
          const PatternScore& score = PatternScoreTable[index];
          const int value = side == CellState::Own ? score.second : score.first;
          if (value > bestValue) {
            bestValue = value;
            code = side == CellState::Own ? index : -index;
          }
        }
        break;
      }
    }
    return code;
  }

 private:
  bool onBoard(int t) const { return onBoard_[t + 4]; }
  CellState at(int t) const { return state_[t + 4]; }

  bool counts(CellState side, int first, int last) const {
    const CellState other = side == CellState::Own ? CellState::Opponent : CellState::Own;
    for (int t = first; t <= last; ++t) {
      if (!onBoard(t)) return false;
      if (t != 0 && at(t) == other) return false;
    }
    return true;
  }

  // The window's cells as bits, the earliest the highest, offset by the window size's base.
  int tableIndex(int first, int last) const {
    int pattern = 0;
    for (int t = first; t <= last; ++t)
      pattern = pattern * 2 + (t == 0 || at(t) != CellState::Empty ? 1 : 0);
    const int length = last - first + 1;
    return length == 5 ? pattern : length == 6 ? 32 + pattern : 96 + pattern;
  }

  // Positions -4 to +4 of the line.
  bool onBoard_[9];
  CellState state_[9];
};

}  // namespace orvane::testing
