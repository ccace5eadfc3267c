#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "strong/search_parameters.hpp"

namespace orvane::strong {

// How many plies shallower a late quiet move is searched first: more the deeper the node and
// the later the move, by the product of their logarithms; a ply less in a principal node and for
// a cell whose history says it has often cut off. A move that then beats the bound is searched
// again at full depth.
class LateMoveReduction {
 public:
  LateMoveReduction() {
    for (int depth = 1; depth < Size; ++depth) {
      for (int move = 1; move < Size; ++move) {
        table_[depth][move] = static_cast<std::int8_t>(
            tuning::ReductionBase + std::log(depth) * std::log(move) / tuning::ReductionDivisor);
      }
    }
  }

  int operator()(int depth, int moveIndex, bool principal, std::int32_t history) const {
    int reduction = table_[std::min(depth, Size - 1)][std::min(moveIndex, Size - 1)];
    if (principal) --reduction;
    if (history >= tuning::ReductionHistory) --reduction;
    return std::clamp(reduction, 0, std::max(depth - 2, 0));
  }

 private:
  static constexpr int Size = 64;
  std::array<std::array<std::int8_t, Size>, Size> table_{};
};

}  // namespace orvane::strong
