#include "patterns/neighbourhood.hpp"

#include <bit>

#include "patterns/freestyle_lines.hpp"
#include "patterns/rule_lines.hpp"

namespace orvane {

namespace {

constexpr int OwnCellRecord = NeighbourRecords;

// Calls copy(record, neighbour index) for every record on the board around `index`. Away from the
// edges every record is, and the fixed loop over all of them needs no bit scan.
template <typename Copy>
void forEachRecord(int index, Copy copy) {
  const RecordMask onBoard = OnBoardRecords[index];
  if (onBoard == ~RecordMask{0}) {
    for (int record = 0; record < NeighbourRecords; ++record)
      copy(record, index + RecordSteps[record]);
    return;
  }
  for (RecordMask records = onBoard; records != 0; records &= records - 1) {
    const int record = std::countr_zero(records);
    copy(record, index + RecordSteps[record]);
  }
}

template <typename Lines>
RecordMask updateAfterStone(PatternMap& map, const BoardLines& lines, const Lines& codes, int x,
                            int y) {
  const int index = cellIndex(x, y);
  map.cells[index].code[0] = OccupiedMarker;
  RecordMask changed = 0;
  for (int direction = 0; direction < DirectionCount; ++direction) {
    const std::uint64_t word = lines.word(index, direction);
    const int stoneShift = LinePlaces[index][direction].shift;
    for (int k = 0; k < 8; ++k) {
      // Slots off the board read as blocked, so only empty cells on the board pass.
      const int shift = stoneShift + 2 * neighbourhood_detail::NeighbourOffsets[k];
      if (stateAt(word, shift) != CellState::Empty) continue;
      const int record = 4 * k + direction;
      CellCodes& entry = map.cells[index + RecordSteps[record]];
      const DirectionCode before = entry.code[direction];
      codes.reevaluate(entry, direction, word, shift);
      if (entry.code[direction] != before) changed |= RecordMask{1} << record;
    }
  }
  return changed;
}

}  // namespace

void SaveNeighbourhood(NeighbourhoodSave& save, const PatternMap& map, int x, int y) {
  const int index = cellIndex(x, y);
  save.records[OwnCellRecord] = map.cells[index];
  forEachRecord(index,
                [&](int record, int neighbour) { save.records[record] = map.cells[neighbour]; });
}

void RestoreNeighbourhood(const NeighbourhoodSave& save, PatternMap& map, int x, int y) {
  const int index = cellIndex(x, y);
  map.cells[index] = save.records[OwnCellRecord];
  forEachRecord(index,
                [&](int record, int neighbour) { map.cells[neighbour] = save.records[record]; });
}

RecordMask UpdateAfterStone(PatternMap& map, const BoardLines& lines, int x, int y) {
  return updateAfterStone(map, lines, FreestyleLines{}, x, y);
}

RecordMask UpdateAfterStone(PatternMap& map, const BoardLines& lines, const RuleLines& codes, int x,
                            int y) {
  return updateAfterStone(map, lines, codes, x, y);
}

}  // namespace orvane
