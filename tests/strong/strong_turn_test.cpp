#include "strong/strong_turn.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include "driver/turn.hpp"
#include "patterns/forbidden_moves.hpp"
#include "strong/search_values.hpp"
#include "strong/threat_solver.hpp"
#include "support/bench_positions.hpp"
#include "support/board_text.hpp"
#include "support/fake_clock.hpp"
#include "support/winning_shape.hpp"

namespace orvane::strong {
namespace {

using testing::BoardFromRows;

StrongOutcome PlayAtDepth(const Board& board, GameRule rule, bool ownIsBlack, int depth) {
  testing::FakeClock clock;
  StrongSearch search(1 << 22);
  StrongRequest request;
  request.rule = rule;
  request.ownIsBlack = ownIsBlack;
  request.times = {0, -1};
  request.maxDepth = depth;
  return PlayStrongTurn(search, board, request, TurnClock(clock), nullptr);
}

struct ForbiddenCase {
  const char* name;
  Board board;  // X black, to move; the cell (8, 10) forbidden to it
  friend void PrintTo(const ForbiddenCase& c, std::ostream* os) { *os << c.name; }
};

class RenjuBlackTest : public ::testing::TestWithParam<ForbiddenCase> {};

// Black's most tempting cell is forbidden: it plays another, and one it may play.
TEST_P(RenjuBlackTest, NeverPlaysAForbiddenCell) {
  const Board& board = GetParam().board;
  BoardLines lines(board);
  const RuleLines codes(GameRule::Renju, true);
  ASSERT_NE(ForbiddenMove(lines, codes, cellIndex(8, 10)), Forbidden::No);
  for (int depth : {1, 4}) {
    const StrongOutcome outcome = PlayAtDepth(board, GameRule::Renju, true, depth);
    ASSERT_TRUE(outcome.move);
    const int cell = cellIndex(outcome.move->x, outcome.move->y);
    EXPECT_EQ(board.cells[cell], CellState::Empty);
    EXPECT_EQ(ForbiddenMove(lines, codes, cell), Forbidden::No)
        << outcome.move->x << "," << outcome.move->y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RenjuBlackTest,
    ::testing::Values(
        ForbiddenCase{"DoubleThree", BoardFromRows({"", "", "", "", "", "", "", "", "", "",
                                                    "......XX", "........X", "........X"})},
        ForbiddenCase{"DoubleFour", BoardFromRows({"", "", "", "", "", "", "........O", "........X",
                                                   "........X", "........X", "....OXXX"})},
        ForbiddenCase{"Overline",
                      BoardFromRows({"", "", "", "", "", "", "", "", "", "", "...OXXXX.X"})}),
    [](const auto& info) { return std::string(info.param.name); });

// A win by fours is played as proven, and reported in the least moves.
TEST(StrongTurnTest, PlaysAndReportsAProvenWin) {
  const Board board =
      BoardFromRows({"", "", "", "", "", "", "", "", "", "", "....OXXX", "........X", "........X"});
  const StrongOutcome outcome = PlayAtDepth(board, GameRule::Freestyle, true, 4);
  ASSERT_TRUE(outcome.move);
  EXPECT_EQ(*outcome.move, (Move{8, 10}));
  EXPECT_EQ(outcome.report.value, winWithFiveAt(5));
  EXPECT_EQ(outcome.report.line.cells[0], cellIndex(8, 10));
}

// Whether the opponent, to move, wins by fours and threes within `moves` of its moves; the
// search must finish.
bool OpponentWinsByThreats(const Board& board, int moves) {
  testing::FakeClock clock;
  const TurnClock turnClock(clock);
  SolverCache cache(1 << 22);
  StrongBoard strongBoard(board, RuleLines(GameRule::Freestyle, true));
  TurnControl control;
  control.start(turnClock, TurnBudget{}, 0);
  ThreatSolver solver(strongBoard, control, cache);
  const bool wins = solver.shortestThreatWin(Side::Opponent, moves, 20000000) > 0;
  EXPECT_TRUE(solver.lastSearchComplete());
  return wins;
}

struct ThreatCase {
  const char* position;
  int threatMoves;   // the least moves of the opponent's win by fours and threes
  int weakerLeaves;  // the same after the weaker search's move
};

// Positions of real games where the opponent threatens a win by fours and threes. The classic
// search at two plies, what it plays under a one-second turn, leaves it one; the strong search
// at four plies leaves it none.
TEST(StrongTurnTest, StopsAThreatAWeakerSearchMisses) {
  for (const ThreatCase& c :
       {ThreatCase{"sp2_g003_p012", 7, 8}, ThreatCase{"sp2_g004_p016", 3, 6}}) {
    SCOPED_TRACE(c.position);
    const Board board =
        testing::ReadBenchBoard(std::filesystem::path(ORVANE_BENCH_POSITIONS_DIR) / c.position);
    ASSERT_TRUE(OpponentWinsByThreats(board, c.threatMoves));
    ASSERT_FALSE(OpponentWinsByThreats(board, c.threatMoves - 1));

    const StrongOutcome strong = PlayAtDepth(board, GameRule::Freestyle, true, 4);
    ASSERT_TRUE(strong.move);
    Board afterStrong = board;
    afterStrong.set(strong.move->x, strong.move->y, CellState::Own);
    EXPECT_FALSE(OpponentWinsByThreats(afterStrong, c.weakerLeaves));

    testing::FakeClock clock;
    Position position;
    position.board = board;
    TurnRequest classic;
    classic.turnSeconds = 1;
    classic.matchTimeLeft = 2147483647;
    classic.startTime = centisecondsOfDay(clock.localTime());
    RandomGenerator random(1);
    const TurnOutcome weaker = PlayTurn(position, classic, random, clock);
    ASSERT_TRUE(weaker.move);
    Board afterWeaker = board;
    afterWeaker.set(weaker.move->x, weaker.move->y, CellState::Own);
    EXPECT_TRUE(OpponentWinsByThreats(afterWeaker, c.weakerLeaves));
  }
}

// A position of a real game (15 x 15, freestyle, own stones black, to move) that the classic
// search reports won. The strong search at a fixed count of nodes plays on against the classic
// search at one second a turn and makes five first.
TEST(StrongTurnTest, WinsAPositionTheClassicSearchCallsWon) {
  Board board = EmptyBoard({15, 15});
  const int stones[][2] = {{7, 7}, {7, 6},  {6, 6}, {5, 5}, {5, 7},  {6, 7}, {5, 8},  {4, 8},
                           {5, 9}, {5, 10}, {8, 8}, {6, 8}, {6, 9},  {9, 9}, {7, 10}, {8, 11},
                           {4, 7}, {3, 6},  {7, 9}, {4, 9}, {6, 11}, {7, 8}, {8, 9},  {9, 8}};
  for (int i = 0; i < 24; ++i)
    board.set(stones[i][0], stones[i][1], i % 2 == 0 ? CellState::Own : CellState::Opponent);
  testing::FakeClock clock;
  StrongSearch search(1 << 22);
  StrongRequest request;
  request.area = {15, 15};
  request.times = {0, -1};
  request.maxNodes = 200000;
  for (int move = 0; move < 20; ++move) {
    const StrongOutcome strong = PlayStrongTurn(search, board, request, TurnClock(clock), nullptr);
    ASSERT_TRUE(strong.move);
    const int cell = cellIndex(strong.move->x, strong.move->y);
    ASSERT_EQ(board.cells[cell], CellState::Empty);
    board.cells[cell] = CellState::Own;
    if (testing::ShapeJudge(board).madeAt(strong.move->x, strong.move->y) == testing::Shape::Five)
      return;

    // The classic search answers as the brain whose stones are the opponent's.
    Position position;
    for (int i = 0; i < CellCount; ++i) {
      const CellState state = board.cells[i];
      position.board.cells[i] = state == CellState::Own        ? CellState::Opponent
                                : state == CellState::Opponent ? CellState::Own
                                                               : state;
    }
    TurnRequest classic;
    classic.turnSeconds = 1;
    classic.matchTimeLeft = 2147483647;
    classic.startTime = centisecondsOfDay(clock.localTime());
    classic.area = {15, 15};
    RandomGenerator random(1);
    const TurnOutcome reply = PlayTurn(position, classic, random, clock);
    ASSERT_TRUE(reply.move);
    const int answer = cellIndex(reply.move->x, reply.move->y);
    ASSERT_EQ(board.cells[answer], CellState::Empty);
    board.cells[answer] = CellState::Opponent;
    ASSERT_NE(testing::ShapeJudge(board).madeAt(reply.move->x, reply.move->y), testing::Shape::Five)
        << "the classic search won";
  }
  FAIL() << "no five in 20 moves";
}

// Helper threads search beside the main one over the shared table and stop when it ends: on every
// tenth bundled position, two and four threads answer an empty cell at a fixed depth, and a proven
// win is played and reported as with one thread.
TEST(StrongTurnTest, HelperThreadsStopWithTheMainSearch) {
  const auto directories = testing::BenchPositionDirectories(ORVANE_BENCH_POSITIONS_DIR);
  for (const int threads : {2, 4}) {
    StrongSearch search(1 << 22, threads);
    for (std::size_t i = 0; i < directories.size(); i += 10) {
      const auto& directory = directories[i];
      const Board board = testing::ReadBenchBoard(directory);
      testing::FakeClock clock;
      StrongRequest request;
      request.times = {0, -1};
      request.maxDepth = 4;
      const StrongOutcome outcome =
          PlayStrongTurn(search, board, request, TurnClock(clock), nullptr);
      ASSERT_TRUE(outcome.move) << directory;
      EXPECT_EQ(board.at(outcome.move->x, outcome.move->y), CellState::Empty) << directory;
    }
    const Board won = BoardFromRows(
        {"", "", "", "", "", "", "", "", "", "", "....OXXX", "........X", "........X"});
    testing::FakeClock clock;
    StrongRequest request;
    request.times = {0, -1};
    request.maxDepth = 4;
    const StrongOutcome outcome = PlayStrongTurn(search, won, request, TurnClock(clock), nullptr);
    ASSERT_TRUE(outcome.move);
    EXPECT_EQ(*outcome.move, (Move{8, 10}));
    EXPECT_EQ(outcome.report.value, winWithFiveAt(5));
  }
}

}  // namespace
}  // namespace orvane::strong
