#pragma once

#include <cstdint>

#include "patterns/pattern_map.hpp"

namespace orvane {

// Sets the four direction codes of the empty cell (x, y) from the board alone.
void FullCellEvaluation(CellCodes& entry, const Board& board, int x, int y);

// Sets code `direction` (0..3) of the empty cell (x, y), continuing a walk the caller began
// further back. `lineBits` holds the cells before (x, y) with bit 0 clear; both rooms already
// count the cell itself.
void DirectionReevaluation(CellCodes& entry, const Board& board, int x, int y, int direction,
                           std::uint32_t lineBits, std::uint8_t opponentRoom, std::uint8_t ownRoom);

// Builds the whole map for the board: the marker on every occupied cell (its other codes are left
// as they are), the four codes of every empty cell.
void InitialisePatternMap(PatternMap& map, const Board& board);

}  // namespace orvane
