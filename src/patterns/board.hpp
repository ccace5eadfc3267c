#pragma once

#include <array>
#include <cstdint>

namespace orvane {

inline constexpr int BoardSide = 20;
inline constexpr int CellCount = BoardSide * BoardSide;

// What stands on one cell. The values are the ones the whole engine stores. `Blocked` is a stone
// of neither side, which a manager of a continuous game may place: it blocks the lines of both
// sides, as the edge of the board does. A position read from the manager's files never holds one.
enum class CellState : std::uint8_t { Empty = 0, Own = 1, Opponent = 2, Blocked = 3 };

// Linear index of cell (x, y): x is the column and the fast index.
constexpr int cellIndex(int x, int y) {
  return x + BoardSide * y;
}

// Line walks step off the board on either side; every such position is tested here first.
constexpr bool isOnBoard(int x, int y) {
  return static_cast<unsigned>(x) < static_cast<unsigned>(BoardSide) &&
         static_cast<unsigned>(y) < static_cast<unsigned>(BoardSide);
}

// The position: one CellState per cell, in row-major order (y outer, x inner).
struct Board {
  std::array<CellState, CellCount> cells{};

  CellState at(int x, int y) const { return cells[cellIndex(x, y)]; }
  void set(int x, int y, CellState state) { cells[cellIndex(x, y)] = state; }

  friend bool operator==(const Board&, const Board&) = default;
};

// The part of the 20 x 20 cells that a game is played on: `width` columns from x = 0 and `height`
// rows from y = 0, each 5 to 20. A smaller board is the 20 x 20 one with the cells past it
// blocked, which ends every line there exactly as the edge does.
struct BoardArea {
  int width = BoardSide;
  int height = BoardSide;

  bool contains(int x, int y) const {
    return static_cast<unsigned>(x) < static_cast<unsigned>(width) &&
           static_cast<unsigned>(y) < static_cast<unsigned>(height);
  }
  int cellCount() const { return width * height; }

  friend bool operator==(const BoardArea&, const BoardArea&) = default;
};

// An empty board of the area's size: every cell past it blocked.
constexpr Board EmptyBoard(BoardArea area) {
  Board board;
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      if (!area.contains(x, y)) board.set(x, y, CellState::Blocked);
    }
  }
  return board;
}

}  // namespace orvane
