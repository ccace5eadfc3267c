#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "patterns/forbidden_moves.hpp"
#include "support/board_rows.hpp"

namespace orvane {
namespace {

// A renju position written as rows from y = 0 down, black "X" (the side to move), white "O", the
// cell judged "?"; on a board of `side` x `side`.
struct ForbiddenCase {
  const char* name;
  int side;
  std::initializer_list<std::string_view> rows;
  Forbidden expected;
};

const ForbiddenCase Cases[] = {
    {"two open threes", 20, {"", ".....X.", ".....X.", "...XX?."}, Forbidden::DoubleThree},
    // Across row 7, x = 2 would make a four closed by six at x = 1, so only x = 6 makes the
    // row's straight four; and there black's stone would make six down column 6: the row's
    // three is no three.
    {"a three whose straight four is forbidden",
     20,
     {"", "", "", "", "......X", ".....XX", ".....XX", "X..XX?.", "......X", "......X"},
     Forbidden::No},
    {"the same three with its straight four free",
     20,
     {"", "", "", "", "", ".....XX", ".....XX", "X..XX?."},
     Forbidden::DoubleThree},
    {"two fours in one row", 20, {"...X.XX?.X.."}, Forbidden::DoubleFour},
    {"two fours across", 20, {".....X", ".....X", ".....X", "..XXX?"}, Forbidden::DoubleFour},
    {"a five with two threes", 20, {"", "", "", "....X.X", "....XX.", "XXXX?"}, Forbidden::No},
    {"a five beside an overline",
     20,
     {"....X", "....X", "....X", "....X", ".XXX?XX"},
     Forbidden::No},
    {"an overline", 20, {"..XXX?XX"}, Forbidden::Overline},
    {"a four and a three", 20, {"", "", "", ".....X.", ".....X.", ".XXX.?."}, Forbidden::No},
    {"a four with two threes",
     20,
     {"", "", "", ".....X.X", ".....XX.", ".XXX.?.."},
     Forbidden::DoubleThree},
    // The edge closes the row: only the column's three is one.
    {"threes at the edge of a small board",
     9,
     {"", "", "........X", "........X", "......XX?"},
     Forbidden::No},
    {"the same stones on a large board",
     20,
     {"", "", "........X", "........X", "......XX?"},
     Forbidden::DoubleThree},
};

TEST(ForbiddenMoves, RenjuForbidsBlacksOverlineDoubleFourAndRealDoubleThree) {
  const RuleLines codes(GameRule::Renju, true);
  for (const ForbiddenCase& c : Cases) {
    Board board = EmptyBoard({c.side, c.side});
    int judgedX = -1;
    int judgedY = -1;
    int y = 0;
    for (std::string_view row : c.rows) {
      for (int x = 0; x < static_cast<int>(row.size()); ++x) {
        if (row[x] == 'X') board.set(x, y, CellState::Own);
        if (row[x] == 'O') board.set(x, y, CellState::Opponent);
        if (row[x] == '?') {
          judgedX = x;
          judgedY = y;
        }
      }
      ++y;
    }
    BoardLines lines(board);
    const BlackMove move = JudgeBlackMove(lines, codes, cellIndex(judgedX, judgedY));
    EXPECT_EQ(move.forbidden, c.expected) << c.name << "\n" << testing::BoardAsRows(board);
    // Looking puts stones down and lifts them again.
    const BoardLines untouched(board);
    for (int index = 0; index < CellCount; ++index) {
      for (int direction = 0; direction < DirectionCount; ++direction)
        ASSERT_EQ(lines.word(index, direction), untouched.word(index, direction)) << c.name;
    }
  }
}

}  // namespace
}  // namespace orvane
