#pragma once

#include <array>
#include <cstdint>

#include "patterns/board.hpp"
#include "patterns/direction_steps.hpp"
#include "patterns/line_code_table.hpp"

namespace orvane {

// Where a cell lies on its line in one direction: which line, and the bit offset of the cell in
// that line's word.
struct LinePlace {
  std::uint8_t line;
  std::uint8_t shift;
};

namespace board_lines_detail {

// Each line word holds 32 slots of two bits: five slots before the first cell of the line, the
// line's cells in walk order, and the slots after it. The slots off the board read as blocked.
// Five slots on either side of every cell let a rule that looks one cell past a five read them.
inline constexpr int LeadingSlots = 5;

constexpr LinePlace placeOf(int x, int y, int direction) {
  switch (direction) {
    case 0:  // up the column: walk position 19 - y
      return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(2 * (LeadingSlots + 19 - y))};
    case 1:  // the rising diagonal, x + y constant
      return {static_cast<std::uint8_t>(x + y), static_cast<std::uint8_t>(2 * (LeadingSlots + x))};
    case 2:  // the row
      return {static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(2 * (LeadingSlots + x))};
    default:  // the falling diagonal, x - y constant
      return {static_cast<std::uint8_t>(x - y + BoardSide - 1),
              static_cast<std::uint8_t>(2 * (LeadingSlots + x))};
  }
}

using PlaceTable = std::array<std::array<LinePlace, DirectionCount>, CellCount>;

constexpr PlaceTable buildPlaces() {
  PlaceTable places{};
  for (int index = 0; index < CellCount; ++index)
    for (int direction = 0; direction < DirectionCount; ++direction)
      places[index][direction] = placeOf(index % BoardSide, index / BoardSide, direction);
  return places;
}

}  // namespace board_lines_detail

inline constexpr board_lines_detail::PlaceTable LinePlaces = board_lines_detail::buildPlaces();

// The board once more, as one 64-bit word per line and direction, so that the eight cells around
// any cell along a line come out of its word with one shift.
class BoardLines {
 public:
  explicit BoardLines(const Board& board);

  // A stone on an empty cell, and the cell emptied again.
  void place(int index, CellState state) {
    for (int direction = 0; direction < DirectionCount; ++direction) {
      const LinePlace place = LinePlaces[index][direction];
      words_[direction][place.line] |= std::uint64_t{static_cast<std::uint8_t>(state)}
                                       << place.shift;
    }
  }
  void lift(int index) {
    for (int direction = 0; direction < DirectionCount; ++direction) {
      const LinePlace place = LinePlaces[index][direction];
      words_[direction][place.line] &= ~(std::uint64_t{3} << place.shift);
    }
  }

  // The word of the line through cell `index` in `direction`.
  std::uint64_t word(int index, int direction) const {
    return words_[direction][LinePlaces[index][direction].line];
  }

 private:
  static constexpr int LinesPerDirection = 2 * BoardSide - 1;
  std::array<std::array<std::uint64_t, LinesPerDirection>, DirectionCount> words_;
};

// The state of the cell whose slot starts at bit `shift` of a line word.
constexpr CellState stateAt(std::uint64_t word, int shift) {
  return static_cast<CellState>((word >> shift) & 3);
}

// The neighbours of the cell whose slot starts at bit `shift`, which must be empty.
constexpr LineNeighbours neighboursAt(std::uint64_t word, int shift) {
  const std::uint64_t around = word >> (shift - 8);
  return static_cast<LineNeighbours>((around & 0xff) | ((around >> 2) & 0xff00));
}

}  // namespace orvane
