#include "patterns/board_lines.hpp"

namespace orvane {

BoardLines::BoardLines(const Board& board) {
  for (auto& lines : words_)
    lines.fill(~std::uint64_t{0});
  for (int index = 0; index < CellCount; ++index) {
    lift(index);
    if (board.cells[index] != CellState::Empty) place(index, board.cells[index]);
  }
}

}  // namespace orvane
