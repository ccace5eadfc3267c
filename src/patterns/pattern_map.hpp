#pragma once

#include <array>
#include <cstdint>

#include "patterns/board.hpp"
#include "patterns/direction_steps.hpp"

namespace orvane {

// The strongest line shape a stone on an empty cell takes part in along one direction: 0 for
// none, +index for a shape of the own side, -index for one of the opponent; the magnitude indexes
// the pattern score table.
using DirectionCode = std::int32_t;

// Code 1 of an occupied cell. Codes of empty cells never reach it.
inline constexpr DirectionCode OccupiedMarker = 1001;

// The four direction codes of one cell; code[d - 1] belongs to direction d.
struct CellCodes {
  std::array<DirectionCode, DirectionCount> code{};

  bool isOccupied() const { return code[0] >= OccupiedMarker; }

  friend bool operator==(const CellCodes&, const CellCodes&) = default;
};

struct PatternMap {
  std::array<CellCodes, CellCount> cells{};

  CellCodes& at(int x, int y) { return cells[cellIndex(x, y)]; }
  const CellCodes& at(int x, int y) const { return cells[cellIndex(x, y)]; }

  friend bool operator==(const PatternMap&, const PatternMap&) = default;
};

// The board and its map: the shared state every search node reads and restores.
struct Position {
  Board board;
  PatternMap map;
};

}  // namespace orvane
