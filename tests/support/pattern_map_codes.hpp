#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "patterns/pattern_map.hpp"

namespace orvane::testing {

using FourCodes = std::array<DirectionCode, DirectionCount>;

// Writes the four direction codes of cell (x, y) straight into the map, leaving the board alone.
inline void SetCodes(PatternMap& map, int x, int y, const FourCodes& codes) {
  map.at(x, y).code = codes;
}

// Codes written as seen by the side to move at `level`: a positive code is a shape of that side.
// At even levels the side to move is the opponent, whose shapes carry negative codes in the map.
inline FourCodes ForSideToMove(std::uint8_t level, const FourCodes& codes) {
  if (level % 2 == 1) return codes;
  FourCodes flipped{};
  for (int d = 0; d < DirectionCount; ++d)
    flipped[d] = -codes[d];
  return flipped;
}

// One cell of a made-up position and its codes.
struct PlacedCodes {
  int x;
  int y;
  FourCodes codes;
};

// Writes every cell, its codes taken as seen by the side to move at `level`.
inline void PlaceForSideToMove(PatternMap& map, std::uint8_t level,
                               const std::vector<PlacedCodes>& cells) {
  for (const PlacedCodes& cell : cells)
    SetCodes(map, cell.x, cell.y, ForSideToMove(level, cell.codes));
}

// A map in which every cell carries the occupied marker and nothing else.
inline PatternMap FullyOccupiedMap() {
  PatternMap map;
  for (CellCodes& cell : map.cells)
    cell.code[0] = OccupiedMarker;
  return map;
}

}  // namespace orvane::testing
