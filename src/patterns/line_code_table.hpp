#pragma once

#include <array>
#include <cstdint>

#include "patterns/pattern_map.hpp"

namespace orvane {

// The eight cells around an empty cell along one line, two bits a cell holding its CellState
// (Blocked for a position off the board): positions -4 to -1 in bits 0 to 7, position -4 lowest,
// and positions +1 to +4 in bits 8 to 15.
using LineNeighbours = std::uint16_t;
inline constexpr int LineNeighbourhoodCount = 1 << 16;

// The direction code of an empty cell for every neighbourhood it can have along its line: a code
// depends on nothing else, since every window lies within four cells of the evaluated one.
extern const std::array<std::int16_t, LineNeighbourhoodCount> LineCodeTable;

}  // namespace orvane
