#pragma once

#include <array>

#include "patterns/pattern_map.hpp"

namespace orvane {

// The map entries a stone on one cell can change: record 4*k + d for direction d (0..3) and
// offset k (positions -4, -3, -2, -1, +1, +2, +3, +4), record 32 for the cell itself. Records of
// off-board positions are neither written nor read.
struct NeighbourhoodSave {
  std::array<CellCodes, 33> records;
};

void SaveNeighbourhood(NeighbourhoodSave& save, const PatternMap& map, int x, int y);

// The board cell (x, y) already holds the new stone. Marks the cell occupied and re-evaluates, in
// each direction, every empty cell within four positions of it, so that the map equals a full
// initialisation on the new board.
void UpdateAfterStone(PatternMap& map, const Board& board, int x, int y);

// The stone has been lifted again: puts back every entry saved for (x, y).
void RestoreNeighbourhood(const NeighbourhoodSave& save, PatternMap& map, int x, int y);

}  // namespace orvane
