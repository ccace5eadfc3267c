#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "support/board_rows.hpp"
#include "support/rule_turn.hpp"

namespace orvane {
namespace {

// A whole turn of the pipe brain (PlayRuleTurn). Where a rule's false win comes first in scan
// order, a check that misread the rule would play it instead.
struct SureWinCase {
  const char* name;
  GameRule rule;
  bool ownIsBlack;
  std::initializer_list<std::string_view> rows;
  Move expected;
};

const SureWinCase Cases[] = {
    // White's (9, 8) makes a four on the falling diagonal whose only block, (10, 7), is forbidden
    // to black; the deeper search used to play a longer line from (2, 4) instead.
    {"renju white takes the four black cannot block",
     GameRule::Renju,
     false,
     {"", "", "", "...X", "", "XXO", ".O.OX", "", "..........OO", "........X", ".......X..O..O",
      "......X", ".....O"},
     Move{9, 8}},
    // (4, 2) makes six; (3, 5) a four whose other end makes six; (5, 9) a straight four.
    {"exactly five: six is no five, nor the end of a straight four",
     GameRule::ExactFive,
     true,
     {"", "", "XXXX.X", "", "", ".XX.X.X", "", "", "", "...XX.X", "", "", "..........O..O", ".O",
      "O"},
     Move{5, 9}},
    // (5, 2) closes its own five at both ends; after (5, 5) a block at either end leaves the
    // other end's five closed at both ends.
    {"caro: a five closed at both ends is no five, nor a four blocked into one",
     GameRule::Caro,
     true,
     {"", "", "OXXXX.O", "", "", "O.XXX..O", "", "", "", "...XX.X"},
     Move{5, 9}},
    // (13, 1) makes a four black can block at (14, 1); (3, 3) one whose only block, (7, 7), is
    // black's double three.
    {"renju white: only a four on a forbidden block wins",
     GameRule::Renju,
     false,
     {"", ".........OXXX", "..O", "", "....X", ".....X.O", "......XO", ".....OO", "........O", "",
      "", "", "............O"},
     Move{3, 3}},
    {"the other side's four is blocked before an own straight four",
     GameRule::ExactFive,
     true,
     {"", "", "..XXX", "", "", "", "", "", "...XOOOO"},
     Move{8, 8}},
    {"an own five comes before blocking the other side's four",
     GameRule::CaroExactFive,
     true,
     {"", "", "OXXXX", "", "", "", "", "", "...XOOOO"},
     Move{5, 2}},
};

TEST(SureWin, PipeTurnTakesTheWinThatNoReplyStops) {
  for (const SureWinCase& c : Cases) {
    const auto [board, outcome] = testing::PlayRuleTurn(c.rule, c.ownIsBlack, c.rows);
    ASSERT_TRUE(outcome.move.has_value()) << c.name;
    EXPECT_EQ(*outcome.move, c.expected)
        << c.name << ": played " << int{outcome.move->x} << "," << int{outcome.move->y} << "\n"
        << testing::BoardAsRows(board);
  }
}

}  // namespace
}  // namespace orvane
