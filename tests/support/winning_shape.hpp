#pragma once

#include <array>

#include "patterns/board.hpp"

namespace orvane::testing {

// What a stone makes for its side, judged from the stones alone (freestyle: six or more in a row
// count as five): a five; an open four (two cells that each complete a five on one line); or a
// double threat, two lines each holding a four (one completing cell) or an open three (a cell
// that makes it an open four).
enum class Shape { None, DoubleThreat, OpenFour, Five };

class ShapeJudge {
 public:
  explicit ShapeJudge(const Board& board) : board_(board) {}

  // For the stone already on (x, y).
  Shape madeAt(int x, int y) {
    const CellState side = board_.at(x, y);
    int threats = 0;
    bool openFour = false;
    for (const Step step : Steps) {
      if (runThrough(x, y, step, side) >= 5) return Shape::Five;
      const int completions = fiveCompletions(x, y, step, side);
      if (completions >= 2) openFour = true;
      if (completions == 1 || (completions == 0 && makesOpenThree(x, y, step, side))) ++threats;
    }
    if (openFour) return Shape::OpenFour;
    return threats >= 2 ? Shape::DoubleThreat : Shape::None;
  }

 private:
  struct Step {
    int dx;
    int dy;
  };
  static constexpr std::array<Step, 4> Steps{{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};

  bool holds(int x, int y, CellState side) const {
    return isOnBoard(x, y) && board_.at(x, y) == side;
  }

  // Stones of `side` in a row through (x, y) along the step.
  int runThrough(int x, int y, Step step, CellState side) const {
    int run = 1;
    for (int sign : {1, -1}) {
      for (int t = 1; holds(x + sign * t * step.dx, y + sign * t * step.dy, side); ++t)
        ++run;
    }
    return run;
  }

  // Empty cells of the line, up to four away, that would make a five through (x, y).
  int fiveCompletions(int x, int y, Step step, CellState side) {
    int completions = 0;
    for (int t = -4; t <= 4; ++t) {
      const int cx = x + t * step.dx;
      const int cy = y + t * step.dy;
      if (t == 0 || !isOnBoard(cx, cy) || board_.at(cx, cy) != CellState::Empty) continue;
      board_.set(cx, cy, side);
      if (runThrough(x, y, step, side) >= 5) ++completions;
      board_.set(cx, cy, CellState::Empty);
    }
    return completions;
  }

  // Whether one more stone of `side` on the line makes an open four through (x, y).
  bool makesOpenThree(int x, int y, Step step, CellState side) {
    bool found = false;
    for (int t = -4; t <= 4 && !found; ++t) {
      const int cx = x + t * step.dx;
      const int cy = y + t * step.dy;
      if (t == 0 || !isOnBoard(cx, cy) || board_.at(cx, cy) != CellState::Empty) continue;
      board_.set(cx, cy, side);
      found = fiveCompletions(x, y, step, side) >= 2;
      board_.set(cx, cy, CellState::Empty);
    }
    return found;
  }

  Board board_;
};

}  // namespace orvane::testing
