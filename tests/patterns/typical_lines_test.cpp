#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "patterns/cell_evaluation.hpp"
#include "support/line_steps.hpp"

namespace orvane {
namespace {

using testing::LineStep;
using testing::LineSteps;

// A line in walk order: "*" the evaluated empty cell, "X" an own stone, "O" an opponent stone,
// "." an empty cell, "#" a stone of neither side, "|" the edge of the board (that position and all
// beyond it are off the board). Every other cell within four of the evaluated one is empty and on
// the board.
struct TypicalLine {
  std::string_view line;
  DirectionCode code;
  // The code once every X becomes an O and every O an X. Mostly -code; not so where both sides
  // have a window, as own windows are rated by the owner's value and opponent ones by the
  // blocker's.
  DirectionCode codeWithSidesSwapped;
};

const std::vector<TypicalLine> TypicalLines = {
    {"..XX*....", 124, -124},  // the worked example
    {"XXXX*", 31, -31},
    {"XX*XX", 31, -31},
    {"XXXX*X", 31, -31},  // six in a row counts
                          // as five
    {".XXX*.", 62, -62},
    {".XX*X.", 62, -62},
    {"X.XX*.X", 189, -189},
    {"OXXX*.", 30, -30},
    {"|XXX*.", 30, -30},
    {"|X*XX", 30, -30},
    {"XX*X|", 15, -15},
    {"X*X.X", 29, -29},
    {"..XX*..", 124, -124},
    {"O.XX*..O", 60, -60},
    {".X.X*..", 54, -54},
    {"OXX*..", 28, -28},
    {"...X*...", 108, -108},
    {".X.*..", 42, -42},
    {"OX*..", 24, -24},
    {"OOOO*", -31, 31},
    {".OOO*.", -62, 62},
    {"..OO*...", -124, 124},
    {"XOOO*.", -30, 30},
    {"OXXX*O", -24, 24},
    {"XOO*OX", 0, 0},
    {"O*X", 24, 3},
    {"X*O", 3, 24},
    {"....*....", 0, 0},
    {"#XXX*.", 30, -30},  // a stone of neither side blocks like the edge
    {".XXX*#", 15, -15},
    {"XX#X*XX", 30, -30},
};

std::string SwapSides(std::string_view line) {
  std::string swapped(line);
  for (char& cell : swapped) {
    if (cell == 'X')
      cell = 'O';
    else if (cell == 'O')
      cell = 'X';
  }
  return swapped;
}

struct Placement {
  int x;
  int y;
};

// Where the evaluated cell goes so that the line's "|" lies just off the board and every other
// position of the line and within four of the cell is on it: (10, 10), moved along the line as
// far as the edge needs.
std::optional<Placement> PlaceLine(std::string_view line, LineStep step) {
  const int star = static_cast<int>(line.find('*'));
  const std::size_t bar = line.find('|');
  auto beyondEdge = [&](int t) {
    if (bar == std::string_view::npos) return false;
    const int edge = static_cast<int>(bar) - star;
    return edge < 0 ? t <= edge : t >= edge;
  };
  const int first = std::min(-4, -star);
  const int last = std::max(4, static_cast<int>(line.size()) - 1 - star);
  for (int shift = 0; shift <= 10; ++shift) {
    for (int sign : {1, -1}) {
      const Placement cell{10 + sign * shift * step.dx, 10 + sign * shift * step.dy};
      bool fits = true;
      for (int t = first; t <= last; ++t)
        fits = fits && isOnBoard(cell.x + t * step.dx, cell.y + t * step.dy) != beyondEdge(t);
      if (fits) return cell;
    }
  }
  return std::nullopt;
}

TEST(PatternCodeOfTypicalLines, EveryLineInEveryDirectionForBothSides) {
  for (const TypicalLine& typical : TypicalLines) {
    for (bool swapped : {false, true}) {
      const std::string line = swapped ? SwapSides(typical.line) : std::string(typical.line);
      const DirectionCode expected = swapped ? typical.codeWithSidesSwapped : typical.code;
      for (int direction = 0; direction < 4; ++direction) {
        SCOPED_TRACE(line + " in direction " + std::to_string(direction + 1));
        const LineStep step = LineSteps[direction];
        const std::optional<Placement> cell = PlaceLine(line, step);
        ASSERT_TRUE(cell.has_value());

        Board board;
        const int star = static_cast<int>(line.find('*'));
        for (int i = 0; i < static_cast<int>(line.size()); ++i) {
          const int x = cell->x + (i - star) * step.dx;
          const int y = cell->y + (i - star) * step.dy;
          if (line[i] == 'X') board.set(x, y, CellState::Own);
          if (line[i] == 'O') board.set(x, y, CellState::Opponent);
          if (line[i] == '#') board.set(x, y, CellState::Blocked);
        }

        CellCodes codes;
        FullCellEvaluation(codes, board, cell->x, cell->y);
        for (int d = 0; d < 4; ++d)
          EXPECT_EQ(codes.code[d], d == direction ? expected : 0) << "code " << d + 1;
      }
    }
  }
}

}  // namespace
}  // namespace orvane
