#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "search/candidate.hpp"

namespace orvane {

struct LineCell {
  std::uint8_t x = 0;
  std::uint8_t y = 0;

  friend bool operator==(const LineCell&, const LineCell&) = default;
};

// The cells behind a verdict, played in turn with the sides alternating: a cell, the reply the
// search expects to it, and so on down to the node where the verdict was decided. A search is at
// most ten plies deep, so the line keeps room for more than any search makes and cuts off the rest.
struct ThreatLine {
  static constexpr int Capacity = 16;

  std::array<LineCell, Capacity> cells{};
  std::uint8_t length = 0;

  // This line becomes `first` followed by `rest`.
  void startWith(LineCell first, const ThreatLine& rest) {
    cells[0] = first;
    const int kept = std::min<int>(rest.length, Capacity - 1);
    std::copy_n(rest.cells.begin(), kept, cells.begin() + 1);
    length = static_cast<std::uint8_t>(kept + 1);
  }

  void setSingle(LineCell cell) {
    cells[0] = cell;
    length = 1;
  }
};

// The line behind the cell at every position of a candidate list (index 0 unused); each line
// starts with the position's cell, and is empty where the position names no scored cell.
using ListLines = std::array<ThreatLine, CandidateListSize + 1>;

}  // namespace orvane
