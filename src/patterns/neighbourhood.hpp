#pragma once

#include <array>
#include <cstdint>

#include "patterns/board_lines.hpp"
#include "patterns/pattern_map.hpp"
#include "patterns/rule_lines.hpp"

namespace orvane {

// The map entries a stone on one cell can change: record 4*k + d for direction d (0..3) and
// offset k (positions -4, -3, -2, -1, +1, +2, +3, +4), record 32 for the cell itself. Records of
// off-board positions are neither written nor read.
inline constexpr int NeighbourRecords = 32;
struct NeighbourhoodSave {
  std::array<CellCodes, NeighbourRecords + 1> records;
};

// One bit for each of the 32 neighbour records, bit r for record r.
using RecordMask = std::uint32_t;

namespace neighbourhood_detail {

inline constexpr std::array<int, 8> NeighbourOffsets{-4, -3, -2, -1, 1, 2, 3, 4};

constexpr std::array<int, NeighbourRecords> buildRecordSteps() {
  std::array<int, NeighbourRecords> steps{};
  for (int record = 0; record < NeighbourRecords; ++record) {
    const int t = NeighbourOffsets[record / 4];
    const int direction = record % 4;
    steps[record] = t * (DirectionSteps.dx[direction] + BoardSide * DirectionSteps.dy[direction]);
  }
  return steps;
}

constexpr std::array<RecordMask, CellCount> buildOnBoardRecords() {
  std::array<RecordMask, CellCount> masks{};
  for (int index = 0; index < CellCount; ++index) {
    for (int record = 0; record < NeighbourRecords; ++record) {
      const int t = NeighbourOffsets[record / 4];
      const int direction = record % 4;
      if (isOnBoard(index % BoardSide + t * DirectionSteps.dx[direction],
                    index / BoardSide + t * DirectionSteps.dy[direction])) {
        masks[index] |= RecordMask{1} << record;
      }
    }
  }
  return masks;
}

}  // namespace neighbourhood_detail

// How far, in cell indices, the cell of each record lies from the stone's cell.
inline constexpr std::array<int, NeighbourRecords> RecordSteps =
    neighbourhood_detail::buildRecordSteps();
// The records whose cells are on the board, for a stone on each cell.
inline constexpr std::array<RecordMask, CellCount> OnBoardRecords =
    neighbourhood_detail::buildOnBoardRecords();

void SaveNeighbourhood(NeighbourhoodSave& save, const PatternMap& map, int x, int y);

// The lines already hold the new stone on (x, y). Marks the cell occupied and re-evaluates, in
// each direction, every empty cell within four positions of it, so that the map equals a full
// initialisation on the new board. Returns the records whose code changed.
RecordMask UpdateAfterStone(PatternMap& map, const BoardLines& lines, int x, int y);
// The same with the line codes of another rule than freestyle.
RecordMask UpdateAfterStone(PatternMap& map, const BoardLines& lines, const RuleLines& codes, int x,
                            int y);

// The stone has been lifted again: puts back every entry saved for (x, y).
void RestoreNeighbourhood(const NeighbourhoodSave& save, PatternMap& map, int x, int y);

}  // namespace orvane
