#pragma once

#include <array>
#include <cstdint>

namespace orvane {

inline constexpr int DirectionCount = 4;

// The four line directions, walked in increasing position t from (x, y) to (x + t*dx, y + t*dy).
// Index 0 to 3 stands for directions 1 to 4: up the column, the rising diagonal, the row and the
// falling diagonal. Each line through a cell belongs to exactly one direction.
struct DirectionStepTable {
  std::array<std::int8_t, DirectionCount> dx;
  std::array<std::int8_t, DirectionCount> dy;
};

inline constexpr DirectionStepTable DirectionSteps{{0, 1, 1, 1}, {-1, -1, 0, 1}};

}  // namespace orvane
