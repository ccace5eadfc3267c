#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "patterns/board.hpp"

namespace orvane::testing {

// A board written as rows from y = 0 down: "X" an own stone, "O" an opponent stone, any other
// character an empty cell. Rows may be shorter than the board and fewer than 20; the rest is
// empty.
inline Board BoardFromRows(std::initializer_list<std::string_view> rows) {
  if (rows.size() > BoardSide) throw std::invalid_argument("more than 20 rows");
  Board board;
  int y = 0;
  for (std::string_view row : rows) {
    if (row.size() > BoardSide) throw std::invalid_argument("row longer than 20 cells");
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
      if (row[x] == 'X') board.set(x, y, CellState::Own);
      if (row[x] == 'O') board.set(x, y, CellState::Opponent);
    }
    ++y;
  }
  return board;
}

}  // namespace orvane::testing
