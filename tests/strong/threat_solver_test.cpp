#include "strong/threat_solver.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include "support/board_text.hpp"
#include "support/fake_clock.hpp"

namespace orvane::strong {
namespace {

using testing::BoardFromRows;

// The two kinds of proof: by fours alone, and by fours and threes.
enum class Proof { Fours, FoursAndThrees };

struct WinCase {
  const char* name;
  Board board;  // X own, to move
  GameRule rule;
  bool ownIsBlack;
  Proof proof;
  int maxMoves;  // the longest win looked for
  int moves;     // the least moves of the own side up to and including its five; 0 for none
  friend void PrintTo(const WinCase& c, std::ostream* os) { *os << c.name; }
};

// An open three across the middle, a closed three above a two of a column (the cell between them
// makes a four and a three at once), and two twos that meet in one cell.
const Board OpenThree = BoardFromRows({"", "", "", "", "", ".....XXX"});
const Board FourWithThree =
    BoardFromRows({"", "", "", "", "", "", "", "", "", "", "....OXXX", "........X", "........X"});
const Board TwoThrees = BoardFromRows(
    {"", "", "", "", "", "", "", "", "", "", "........XX", "..........X", "..........X"});
// A closed three of white's whose four leaves black one cell to block, where black's stone would
// make two threes.
const Board BlockOnBlacksDoubleThree =
    BoardFromRows({"", "", "", "", "", "..OXXX", ".......OO", ".......O.O"});

class ThreatSolverTest : public ::testing::TestWithParam<WinCase> {};

// The solver finds each win in the least moves, and none with a move fewer.
TEST_P(ThreatSolverTest, FindsTheWinInTheLeastMoves) {
  const WinCase& c = GetParam();
  testing::FakeClock clock;
  const TurnClock turnClock(clock);
  SolverCache cache(1 << 20);
  StrongBoard board(c.board, RuleLines(c.rule, c.ownIsBlack));
  TurnControl control;
  control.start(turnClock, TurnBudget{}, 0);
  ThreatSolver solver(board, control, cache);
  auto solve = [&](int maxMoves) {
    cache.clear();
    return c.proof == Proof::Fours ? solver.shortestFourWin(Side::Own, maxMoves, 1000000)
                                   : solver.shortestThreatWin(Side::Own, maxMoves, 1000000);
  };
  EXPECT_EQ(solve(c.maxMoves), c.moves);
  EXPECT_TRUE(solver.lastSearchComplete());
  if (c.moves > 0) {
    EXPECT_EQ(solve(c.moves - 1), 0);
    // The line starts with an own four or three.
    solve(c.moves);
    const SolverLine& line = solver.line();
    ASSERT_GT(line.length, 0);
    EXPECT_EQ(board.at(line.cells[0]), CellState::Empty);
    EXPECT_TRUE(makesFour(board.threat(Side::Own, line.cells[0])) ||
                makesThree(board.threat(Side::Own, line.cells[0])));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ThreatSolverTest,
    ::testing::Values(
        WinCase{"StraightFourByFours", OpenThree, GameRule::Freestyle, true, Proof::Fours, 8, 2},
        WinCase{"FourWithThreeByFours", FourWithThree, GameRule::Freestyle, true, Proof::Fours, 8,
                3},
        WinCase{"FourWithThreeExactFive", FourWithThree, GameRule::ExactFive, true, Proof::Fours, 8,
                3},
        WinCase{"TwoThreesNeedThrees", TwoThrees, GameRule::Freestyle, true, Proof::Fours, 8, 0},
        WinCase{"TwoThreesByThrees", TwoThrees, GameRule::Freestyle, true, Proof::FoursAndThrees, 8,
                3},
        WinCase{"TwoThreesAsRenjuWhite", TwoThrees, GameRule::Renju, false, Proof::FoursAndThrees,
                8, 3},
        // Black may not make two threes at once: no win in three moves.
        WinCase{"TwoThreesForbiddenToBlack", TwoThrees, GameRule::Renju, true,
                Proof::FoursAndThrees, 3, 0},
        // White's four is won at once when black's only block is forbidden.
        WinCase{"WhiteWinsThroughAForbiddenCell", BlockOnBlacksDoubleThree, GameRule::Renju, false,
                Proof::Fours, 8, 2},
        WinCase{"TheSameFourIsBlockedInFreestyle", BlockOnBlacksDoubleThree, GameRule::Freestyle,
                false, Proof::Fours, 8, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane::strong
