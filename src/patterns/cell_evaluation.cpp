#include "patterns/cell_evaluation.hpp"

#include "patterns/line_walk.hpp"

namespace orvane {

void FullCellEvaluation(CellCodes& entry, const Board& board, int x, int y) {
  for (int direction = 0; direction < DirectionCount; ++direction) {
    const int dx = DirectionSteps.dx[direction];
    const int dy = DirectionSteps.dy[direction];
    LineWalk walk;
    for (int t = -4; t <= -1; ++t) {
      walk.enterLeadingCell(board, x + t * dx, y + t * dy, static_cast<std::uint8_t>(-t - 1));
    }
    // The cell itself, taken as a stone of whichever side owns the window.
    walk.lineBits = walk.lineBits * 2 + 1;
    ++walk.ownRoom;
    ++walk.opponentRoom;
    entry.code[direction] = walk.bestCodeFromCell(board, x, y, dx, dy);
  }
}

void DirectionReevaluation(CellCodes& entry, const Board& board, int x, int y, int direction,
                           std::uint32_t lineBits, std::uint8_t opponentRoom,
                           std::uint8_t ownRoom) {
  // A walk begun further back than position -4 may carry longer rooms; windows never reach past
  // -4, so the rooms are capped at five cells (the four before and the cell).
  LineWalk walk{(lineBits & 31) + 1, ownRoom < 5 ? ownRoom : std::uint8_t{5},
                opponentRoom < 5 ? opponentRoom : std::uint8_t{5}};
  entry.code[direction] = walk.bestCodeFromCell(board, x, y, DirectionSteps.dx[direction],
                                                DirectionSteps.dy[direction]);
}

void InitialisePatternMap(PatternMap& map, const Board& board) {
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      CellCodes& entry = map.at(x, y);
      if (board.at(x, y) == CellState::Empty) {
        FullCellEvaluation(entry, board, x, y);
      } else {
        entry.code[0] = OccupiedMarker;
      }
    }
  }
}

}  // namespace orvane
