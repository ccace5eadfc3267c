#pragma once

#include <array>
#include <cstdint>

namespace orvane::strong {

// Cells played in turn, the sides alternating: a principal or proven line.
struct SolverLine {
  static constexpr int Capacity = 96;

  std::array<std::int16_t, Capacity> cells{};
  int length = 0;

  void clear() { length = 0; }
  void push(int cell) {
    if (length < Capacity) cells[length++] = static_cast<std::int16_t>(cell);
  }
};

}  // namespace orvane::strong
