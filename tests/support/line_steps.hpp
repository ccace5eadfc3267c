#pragma once

#include <array>

namespace orvane::testing {

// One line direction as a step from a cell to the next one in walk order.
struct LineStep {
  int dx;
  int dy;
};

// The four line directions, written out here rather than taken from the engine so that a wrong
// engine table shows up: 1 up the column (towards y = 0), 2 the rising diagonal, 3 the row,
// 4 the falling diagonal. Index 0 is direction 1.
inline constexpr std::array<LineStep, 4> LineSteps{{{0, -1}, {1, -1}, {1, 0}, {1, 1}}};

}  // namespace orvane::testing
