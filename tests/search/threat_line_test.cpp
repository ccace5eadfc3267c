#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>

#include "driver/turn.hpp"
#include "patterns/cell_evaluation.hpp"
#include "search/search_node.hpp"
#include "support/bench_positions.hpp"
#include "support/board_text.hpp"
#include "support/fake_clock.hpp"
#include "support/winning_shape.hpp"

namespace orvane {
namespace {

TurnOutcome playTurn(const Board& board, const TurnRequest& request) {
  Position position{board, {}};
  const testing::FakeClock clock;
  RandomGenerator random = RandomGenerator::FromUtcTime(clock.utc);
  return PlayTurn(position, request, random, clock);
}

TurnRequest fullDepthRequest(bool traceLine) {
  TurnRequest request;
  request.turnSeconds = 5;
  request.matchTimeLeft = 1000000;
  request.startTime = centisecondsOfDay(testing::FakeClock{}.local);
  request.traceLine = traceLine;
  return request;
}

// Positions of self-play games in which the side to move ("X") has a win that the search finds
// below the root. The comment names the shape that the line ends in.
struct WonCase {
  const char* name;
  Board board;

  friend void PrintTo(const WonCase& c, std::ostream* os) { *os << c.name; }
};

class WonLineTest : public ::testing::TestWithParam<WonCase> {};

// The line starts with the move played, runs over empty cells, one side then the other, and its
// last stone, the winner's, makes the shape that decided the win.
TEST_P(WonLineTest, EndsInTheWinningShape) {
  const Board& board = GetParam().board;
  const TurnOutcome outcome = playTurn(board, fullDepthRequest(true));
  ASSERT_EQ(outcome.rootVerdict, Won);
  ASSERT_TRUE(outcome.move.has_value());
  const ThreatLine& line = outcome.line;
  ASSERT_GE(line.length, 3) << "a win found below the root";
  EXPECT_EQ(line.cells[0], (LineCell{outcome.move->x, outcome.move->y}));
  EXPECT_EQ(line.length % 2, 1) << "the winner, the side to move, lays the last stone";

  Board laid = board;
  CellState side = CellState::Own;
  for (int i = 0; i < line.length; ++i) {
    const LineCell cell = line.cells[i];
    ASSERT_EQ(laid.at(cell.x, cell.y), CellState::Empty) << "cell " << i << " of the line";
    laid.set(cell.x, cell.y, side);
    side = side == CellState::Own ? CellState::Opponent : CellState::Own;
  }
  const LineCell last = line.cells[line.length - 1];
  EXPECT_NE(testing::ShapeJudge(laid).madeAt(last.x, last.y), testing::Shape::None);
}

INSTANTIATE_TEST_SUITE_P(
    SelfPlay, WonLineTest,
    ::testing::Values(
        WonCase{"FiveAfterTwoForcedReplies",
                testing::BoardFromRows({"", "", "", "", "", "", "", "......X", ".......O..X",
                                        "........OXOXX", "......X.OOXOO", "....XOXXXOOO.X",
                                        ".......OOOXX", "........OX", ".......X.O", "..........X",
                                        "...........O"})},
        WonCase{"OpenFourAfterOneForcedReply",
                testing::BoardFromRows({"", "", "", "", "", "", "....X", "....O....X", "...OX...O",
                                        "....XXOX.OXX", "....XXO.XOXOO.OX", "....OOXOOOOXOXX",
                                        "...OXXXXOXXXXOO", "....OXOOO.XXOXO", ".....OOXOOXOO.OX",
                                        ".....X..XOX..XO", "..........O...X", "...........X"})},
        WonCase{"OpenFourAfterTwoForcedReplies",
                testing::BoardFromRows({"", "", "", "", "", ".......O", ".......X", "......OX",
                                        "......OX", "....XOXX.O", ".....O.OXXO", "....X.XOOO.X",
                                        ".......OX", ".......O", ".......X"})},
        WonCase{"OpenFourAfterFourReplies",
                testing::BoardFromRows({"", "", "", "", "", "", "", "............O", "",
                                        ".........X", ".......XOX", "..........O"})},
        // Two cells win here, and the draw plays the second.
        WonCase{"DrawnSecondOfTwoWins",
                testing::BoardFromRows({"", "", "", "", "", "............O..O", ".........XOXXXXO",
                                        "........XOOOOX", ".......O.OX.X", "", ".......X..O",
                                        ".........X"})},
        WonCase{"DoubleThreatAfterOneForcedReply",
                testing::BoardFromRows({"", "", "", "", "", "", "", "........X.....X",
                                        ".........X..XO", ".........OOXO", ".........X.OOX",
                                        ".........OOXO", ".........XXOOOXO", "..........XOXXXO"})},
        WonCase{"DoubleThreatAfterThreeForcedReplies",
                testing::BoardFromRows({"", "", "", "", "", "", "", "........X.....X",
                                        ".........X..XO", ".........OOXO", ".........X.OOX",
                                        ".........OOXO", ".........XXOOOXO", "............X.X"})}),
    [](const auto& info) { return std::string(info.param.name); });

// A node won from its scan by a double four ends the line on the double four, not on the best
// attack, which scores higher with a four and two threes.
TEST(WonNodeLineTest, EndsOnTheDoubleThreatThatDecided) {
  const Board board = testing::BoardFromRows({"................X.X.", "..............X.X...", "",
                                              "..............XX..X.", ".................X..",
                                              "...............X..X."});
  Position position{board, {}};
  InitialisePatternMap(position.map, board);
  const testing::FakeClock clock;
  const TurnTimer timer(clock, centisecondsOfDay(clock.local), 2850);
  SearchContext context{position, 10, timer};
  CandidateList list;
  ListLines lines;
  Verdict verdict = Undecided;

  TracedSearchNode(context, list, 3, verdict, NoReplyYet, 1000000, lines);

  EXPECT_EQ(verdict, Won);
  EXPECT_EQ(list[1], (Candidate{15, 2, 3175, 0}));
  ASSERT_EQ(lines[1].length, 1);
  EXPECT_EQ(lines[1].cells[0], (LineCell{16, 3}));
}

// Tracing the line changes nothing the search decides: the same root list, verdict, node count
// and move on every bundled position, at a depth that keeps the test quick.
TEST(TracedSearchTest, DecidesExactlyAsTheUntraced) {
  for (const auto& directory : testing::BenchPositionDirectories(ORVANE_BENCH_POSITIONS_DIR)) {
    SCOPED_TRACE(directory.filename().string());
    const Board board = testing::ReadBenchBoard(directory);
    const auto stones = std::count_if(board.cells.begin(), board.cells.end(),
                                      [](CellState cell) { return cell != CellState::Empty; });
    TurnRequest untraced = fullDepthRequest(false);
    untraced.matchTimeLeft = static_cast<std::int32_t>(320 * ((401 - stones) / 2));  // depth 8
    TurnRequest traced = untraced;
    traced.traceLine = true;

    const TurnOutcome plain = playTurn(board, untraced);
    const TurnOutcome withLine = playTurn(board, traced);
    ASSERT_EQ(plain.budget.searchDepth, 8);
    EXPECT_EQ(withLine.rootList, plain.rootList);
    EXPECT_EQ(withLine.rootVerdict, plain.rootVerdict);
    EXPECT_EQ(withLine.nodes, plain.nodes);
    EXPECT_EQ(withLine.move, plain.move);
    EXPECT_EQ(plain.line.length, 0);
    ASSERT_GE(withLine.line.length, 1);
    EXPECT_EQ(withLine.line.cells[0], (LineCell{withLine.move->x, withLine.move->y}));
  }
}

}  // namespace
}  // namespace orvane
