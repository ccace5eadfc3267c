#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "driver/turn.hpp"
#include "support/board_rows.hpp"
#include "support/fake_clock.hpp"

namespace orvane {
namespace {

// A whole turn of the pipe brain on 15 x 15 at 5 s a turn: "X" the brain's stones, "O" the other
// side's. Where a rule's false win comes first in scan order, a check that misread the rule would
// play it instead.
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
    Position position{EmptyBoard({15, 15}), {}};
    int y = 0;
    for (std::string_view row : c.rows) {
      for (int x = 0; x < static_cast<int>(row.size()); ++x) {
        if (row[x] == 'X') position.board.set(x, y, CellState::Own);
        if (row[x] == 'O') position.board.set(x, y, CellState::Opponent);
      }
      ++y;
    }
    const testing::FakeClock clock;
    RandomGenerator random = RandomGenerator::FromUtcTime(clock.utc);
    TurnRequest request;
    request.turnSeconds = 5;
    request.matchTimeLeft = 1000000;
    request.startTime = centisecondsOfDay(clock.local);
    request.traceLine = true;
    request.area = {15, 15};
    request.rule = c.rule;
    request.ownIsBlack = c.ownIsBlack;
    const TurnOutcome outcome = PlayTurn(position, request, random, clock);

    ASSERT_TRUE(outcome.move.has_value()) << c.name;
    EXPECT_EQ(*outcome.move, c.expected)
        << c.name << ": played " << int{outcome.move->x} << "," << int{outcome.move->y} << "\n"
        << testing::BoardAsRows(position.board);
  }
}

}  // namespace
}  // namespace orvane
