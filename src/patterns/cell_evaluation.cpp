#include "patterns/cell_evaluation.hpp"

#include "patterns/board_lines.hpp"
#include "patterns/line_walk.hpp"

namespace orvane {

void FullCellEvaluation(CellCodes& entry, const Board& board, int x, int y) {
  for (int direction = 0; direction < DirectionCount; ++direction) {
    const int dx = DirectionSteps.dx[direction];
    const int dy = DirectionSteps.dy[direction];
    auto stateAt = [&board](int px, int py) {
      return isOnBoard(px, py) ? board.at(px, py) : CellState::Blocked;
    };
    LineWalk walk;
    for (int t = -4; t <= -1; ++t)
      walk.enterLeadingCell(stateAt(x + t * dx, y + t * dy), static_cast<std::uint8_t>(-t - 1));
    walk.enterEvaluatedCell();
    for (int t = 1; t <= 4; ++t)
      walk.enterTrailingCell(stateAt(x + t * dx, y + t * dy));
    entry.code[direction] = walk.code;
  }
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

void InitialisePatternMap(PatternMap& map, const Board& board, const RuleLines& codes) {
  const BoardLines lines(board);
  for (int index = 0; index < CellCount; ++index) {
    CellCodes& entry = map.cells[index];
    if (board.cells[index] != CellState::Empty) {
      entry.code[0] = OccupiedMarker;
      continue;
    }
    for (int direction = 0; direction < DirectionCount; ++direction)
      codes.reevaluate(entry, direction, lines.word(index, direction),
                       LinePlaces[index][direction].shift);
  }
}

}  // namespace orvane
