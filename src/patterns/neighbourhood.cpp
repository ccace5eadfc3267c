#include "patterns/neighbourhood.hpp"

#include "patterns/cell_evaluation.hpp"
#include "patterns/line_walk.hpp"

namespace orvane {

namespace {

constexpr std::array<int, 8> NeighbourOffsets{-4, -3, -2, -1, 1, 2, 3, 4};
constexpr int OwnCellRecord = 32;

// Calls copy(record, cell entry) for the cell and each of its on-board line neighbours.
template <typename MapRef, typename Copy>
void forEachNeighbour(MapRef& map, int x, int y, Copy copy) {
  copy(OwnCellRecord, map.at(x, y));
  for (int k = 0; k < 8; ++k) {
    const int t = NeighbourOffsets[k];
    for (int direction = 0; direction < DirectionCount; ++direction) {
      const int px = x + t * DirectionSteps.dx[direction];
      const int py = y + t * DirectionSteps.dy[direction];
      if (isOnBoard(px, py)) copy(4 * k + direction, map.at(px, py));
    }
  }
}

}  // namespace

void SaveNeighbourhood(NeighbourhoodSave& save, const PatternMap& map, int x, int y) {
  forEachNeighbour(map, x, y,
                   [&save](int record, const CellCodes& entry) { save.records[record] = entry; });
}

void RestoreNeighbourhood(const NeighbourhoodSave& save, PatternMap& map, int x, int y) {
  forEachNeighbour(map, x, y,
                   [&save](int record, CellCodes& entry) { entry = save.records[record]; });
}

void UpdateAfterStone(PatternMap& map, const Board& board, int x, int y) {
  map.at(x, y).code[0] = OccupiedMarker;
  for (int direction = 0; direction < DirectionCount; ++direction) {
    const int dx = DirectionSteps.dx[direction];
    const int dy = DirectionSteps.dy[direction];
    // Priming from position -8, so that the cell at -4 starts with the walk state a full
    // evaluation would build from its own position -4.
    LineWalk walk;
    for (int t = -8; t <= -5; ++t) {
      walk.enterLeadingCell(board, x + t * dx, y + t * dy, static_cast<std::uint8_t>(-5 - t));
    }

    for (int t = -4; t <= 4; ++t) {
      ++walk.ownRoom;
      ++walk.opponentRoom;
      walk.lineBits <<= 1;
      const int px = x + t * dx;
      const int py = y + t * dy;
      if (!isOnBoard(px, py)) {
        // Past the edge after the stone nothing is left to re-evaluate; before it, the edge
        // blocks both sides.
        if (t > 0) break;
        walk.enterCell(CellState::Blocked);
        continue;
      }
      const CellState state = board.at(px, py);
      if (t != 0 && state == CellState::Empty) {
        DirectionReevaluation(map.at(px, py), board, px, py, direction, walk.lineBits,
                              walk.opponentRoom, walk.ownRoom);
      }
      walk.enterCell(state);
    }
  }
}

}  // namespace orvane
