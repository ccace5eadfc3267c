#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "driver/random_generator.hpp"
#include "driver/root_choice.hpp"
#include "driver/turn.hpp"
#include "patterns/cell_evaluation.hpp"
#include "search/candidate.hpp"
#include "support/board_text.hpp"
#include "support/fake_clock.hpp"

namespace orvane {
namespace {

// A whole turn on a real position, the root deciding from its scan: "X" own stones, "O" the
// other side's.
struct TurnCase {
  const char* name;
  Board board;
  std::vector<Move> acceptedMoves;
  Verdict rootVerdict;

  friend void PrintTo(const TurnCase& c, std::ostream* os) { *os << c.name; }
};

class WholeTurnTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(WholeTurnTest, PlaysTheForcedMove) {
  const TurnCase& c = GetParam();
  const Board& board = c.board;
  Position position{board, {}};
  testing::FakeClock clock;
  RandomGenerator random(47142378);
  TurnRequest request;
  request.turnSeconds = 5;
  request.matchTimeLeft = 100000;
  request.startTime = centisecondsOfDay(clock.local);

  const TurnOutcome outcome = PlayTurn(position, request, random, clock);

  ASSERT_TRUE(outcome.move.has_value());
  EXPECT_NE(std::find(c.acceptedMoves.begin(), c.acceptedMoves.end(), *outcome.move),
            c.acceptedMoves.end())
      << "played " << int{outcome.move->x} << "," << int{outcome.move->y};
  EXPECT_EQ(outcome.rootVerdict, c.rootVerdict);
  EXPECT_EQ(outcome.nodes, 1u);
  PatternMap fresh;
  InitialisePatternMap(fresh, board);
  EXPECT_TRUE(position.board == board);
  EXPECT_TRUE(position.map == fresh);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, WholeTurnTest,
    ::testing::Values(
        TurnCase{"CompletesOpenFourDespiteFourToBlock",
                 testing::BoardFromRows({"", "", "", "", "", "", "", "", "", "......XXXX", "", "",
                                         "", "", "...XOOOO", "", "", "O"}),
                 {{5, 9}, {10, 9}},
                 Won},
        TurnCase{"CompletesBlockedFour",
                 testing::BoardFromRows({"", "", "", "", "", "", "", "", "", ".....OXXXX", "", "",
                                         "", "", "...XOOOO"}),
                 {{10, 9}},
                 Won},
        TurnCase{"FillsSplitFour",
                 testing::BoardFromRows({"", "", "", "", "", "", "", "", "", "....XX.XX", "", "",
                                         "....OOO", "", "", "..........O"}),
                 {{6, 9}},
                 Won},
        TurnCase{"BlocksFourBeforeMakingOpenFour",
                 testing::BoardFromRows({"", "", "", "", "", "", "", "", "", "....XOOOO", "", "",
                                         "", "", ".....XXX"}),
                 {{9, 9}},
                 Undecided},
        TurnCase{"BlocksSplitFour",
                 testing::BoardFromRows({"", "", "", "", "", "", "", "", "", "...OO.OO", "", "",
                                         "..X...X", "", "..........X"}),
                 {{5, 9}},
                 Undecided},
        TurnCase{"MakesOpenFour",
                 testing::BoardFromRows({"", "", "", "", "", "", "", "", "", ".....XXX", ".....O",
                                         ".......O", "", "", "............O"}),
                 {{4, 9}, {8, 9}},
                 Won},
        TurnCase{"MakesFourAndThree",
                 testing::BoardFromRows({"", "", "", "...............O", "", "", "", "", "", "",
                                         "....OXXX", "........X", "........X", "", "", "", "..O"}),
                 {{8, 10}},
                 Won},
        TurnCase{"MakesTwoFours",
                 testing::BoardFromRows({"", "", "", "", "", "", "", "", "", "", "....OXXX",
                                         "........X", "........X", "........X", "........O"}),
                 {{8, 10}},
                 Won}),
    [](const ::testing::TestParamInfo<TurnCase>& info) { return info.param.name; });

}  // namespace
}  // namespace orvane
