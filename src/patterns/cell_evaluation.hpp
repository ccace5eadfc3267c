#pragma once

#include "patterns/line_code_table.hpp"
#include "patterns/pattern_map.hpp"
#include "patterns/rule_lines.hpp"

namespace orvane {

// Sets the four direction codes of the empty cell (x, y) from the board alone, by walking its
// four lines.
void FullCellEvaluation(CellCodes& entry, const Board& board, int x, int y);

// Sets code `direction` (0..3) of an empty cell from its neighbours along that line.
inline void DirectionReevaluation(CellCodes& entry, int direction, LineNeighbours neighbours) {
  entry.code[direction] = LineCodeTable[neighbours];
}

// Builds the whole map for the board: the marker on every occupied cell (its other codes are left
// as they are), the four codes of every empty cell.
void InitialisePatternMap(PatternMap& map, const Board& board);
// The same with the line codes of another rule.
void InitialisePatternMap(PatternMap& map, const Board& board, const RuleLines& codes);

}  // namespace orvane
