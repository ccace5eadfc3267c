#include "strong/time_plan.hpp"
#include "strong/turn_control.hpp"

#include <gtest/gtest.h>

#include "strong/strong_search.hpp"
#include "support/bench_positions.hpp"
#include "support/fake_clock.hpp"

namespace orvane::strong {
namespace {

struct PlanCase {
  MoveTimes times;
  int emptyCells;
  TurnBudget expected;
};

TEST(PlanTurnTest, KeepsAReserveAndSharesTheMatchTime) {
  const PlanCase cases[] = {
      {{3000, -1}, 300, {2500, 2500}},  // a fifth of the turn kept back, at most 500 ms
      {{1000, -1}, 300, {800, 800}},
      {{100, -1}, 300, {70, 70}},           // at least 30 ms
      {{30000, -1}, 300, {29500, 29500}},   // at most 500 ms
      {{0, -1}, 300, {-1, -1}},             // no limit at all
      {{3000, 180000}, 400, {2500, 2500}},  // the turn binds at the start of a game
      {{3000, 10000}, 200, {475, 1425}},    // a twentieth of what is left, three times that at most
      {{0, 60000}, 400, {1983, 5949}},      // the match alone: a thirtieth, three times at most
      {{3000, 300}, 100, {22, 66}},         // at least twelve moves to go
      // beyond what the turn's clock counts, or 32 bits: the longest budget, never none
      {{100000000, -1}, 300, {LongestBudget, LongestBudget}},
      {{5000000000, -1}, 300, {LongestBudget, LongestBudget}},
      {{0, 5000000000000}, 300, {LongestBudget, LongestBudget}},
  };
  for (const PlanCase& c : cases) {
    EXPECT_EQ(PlanTurn(c.times, c.emptyCells), c.expected)
        << c.times.turn << " " << c.times.matchLeft << " " << c.emptyCells;
  }
}

// A turn's control on a clock that reads `now` milliseconds into the turn, with an aim of 1 s and
// a hard limit of 2 s.
class TurnControlTest : public ::testing::Test {
 protected:
  TurnControlTest() { control.start(turnClock_, TurnBudget{1000, 2000}, 0); }
  // Counts the nodes after which the control reads the clock.
  void nodesUntilCheck() {
    for (int i = 0; i < 128; ++i)
      control.countNode();
  }

  std::int32_t now = 0;

 private:
  testing::FakeClock clock_ = [this] {
    testing::FakeClock clock;
    clock.localAtReading = [this](int) { return TimeOfDay{13, 5, now / 1000, now % 1000}; };
    return clock;
  }();
  TurnClock turnClock_{clock_};

 protected:
  TurnControl control;
};

// The control's phases and iterations against their shares of the aim (10 %, 35 % and 75 %),
// and the stop at the aim.
TEST_F(TurnControlTest, EndsEachPhaseAtItsShareOfTheAim) {
  control.enter(TurnPhase::OwnProof);
  now = 99;
  nodesUntilCheck();
  EXPECT_FALSE(control.phaseOver());
  now = 100;
  nodesUntilCheck();
  EXPECT_TRUE(control.phaseOver());
  control.enter(TurnPhase::Defence);
  EXPECT_FALSE(control.phaseOver());
  now = 350;
  nodesUntilCheck();
  EXPECT_TRUE(control.phaseOver());
  control.enter(TurnPhase::Deepening);
  EXPECT_FALSE(control.phaseOver());
  now = 749;
  EXPECT_TRUE(control.startNextIteration());
  now = 750;
  EXPECT_FALSE(control.startNextIteration());
  now = 1000;
  nodesUntilCheck();
  EXPECT_TRUE(control.stopped());
}

// A hard move's deepening goes on to the hard limit.
TEST_F(TurnControlTest, AHardMoveGoesOnToTheHardLimit) {
  control.enter(TurnPhase::Deepening);
  control.stretchToHardLimit();
  now = 1499;
  EXPECT_TRUE(control.startNextIteration());
  now = 1999;
  nodesUntilCheck();
  EXPECT_FALSE(control.stopped());
  now = 2000;
  nodesUntilCheck();
  EXPECT_TRUE(control.stopped());
}

// The clock moves on a millisecond at every reading. With an aim far off, the search goes on
// until the hard limit stops it wherever it is, and reads the clock only a few times more
// before it answers.
TEST(SearchStopTest, AnswersRightAtTheHardLimit) {
  for (const std::int32_t limit : {1, 40, 300}) {
    testing::FakeClock clock;
    clock.localAtReading = [](int reading) {
      return TimeOfDay{13, 5, 42 + (378 + reading) / 1000, (378 + reading) % 1000};
    };
    StrongSearch search(1 << 20);
    const Board board = testing::ReadBenchBoard(std::filesystem::path(ORVANE_BENCH_POSITIONS_DIR) /
                                                "sp1_g001_p037");
    const TurnClock turnClock(clock);
    SearchLimits limits;
    limits.budget = {1000000, limit};
    search.run(board, RuleLines(GameRule::Freestyle, true), limits, turnClock, nullptr);
    EXPECT_GE(turnClock.elapsed(), limit);
    EXPECT_LE(turnClock.elapsed(), limit + 5);
  }
}

}  // namespace
}  // namespace orvane::strong
