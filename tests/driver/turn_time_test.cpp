#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "platform/clock.hpp"
#include "search/turn_timer.hpp"
#include "support/fake_clock.hpp"

namespace orvane {
namespace {

TEST(StartTimeTest, CountsWholeHundredthsSinceMidnight) {
  EXPECT_EQ(centisecondsOfDay({13, 5, 42, 378}), 4714237);
  EXPECT_EQ(centisecondsOfDay({0, 0, 0, 9}), 0);
  EXPECT_EQ(centisecondsOfDay({23, 59, 59, 999}), 8639999);
}

struct TurnTimeCase {
  const char* name;
  TimeOfDay start;
  std::uint16_t turnLimit;
  TimeOfDay now;
  bool expired;

  friend void PrintTo(const TurnTimeCase& c, std::ostream* os) { *os << c.name; }
};

class TurnTimerTest : public ::testing::TestWithParam<TurnTimeCase> {};

TEST_P(TurnTimerTest, EndsTheTurnOnceTheLimitIsExceeded) {
  const TurnTimeCase& c = GetParam();
  testing::FakeClock clock;
  clock.local = c.now;
  const TurnTimer timer(clock, centisecondsOfDay(c.start), c.turnLimit);
  EXPECT_EQ(timer.expired(), c.expired);
}

// A turn of 5 s from 13:05:42.378 ends after 13:05:45.877; one of 3 s from 23:59:59.00 after
// 00:00:00.50 of the next day.
INSTANTIATE_TEST_SUITE_P(
    Readings, TurnTimerTest,
    ::testing::Values(
        TurnTimeCase{"AtStart", {13, 5, 42, 378}, 350, {13, 5, 42, 378}, false},
        TurnTimeCase{"AtLimit", {13, 5, 42, 378}, 350, {13, 5, 45, 879}, false},
        TurnTimeCase{"PastLimit", {13, 5, 42, 378}, 350, {13, 5, 45, 880}, true},
        TurnTimeCase{"BeforeMidnight", {23, 59, 59, 0}, 150, {23, 59, 59, 990}, false},
        TurnTimeCase{"AfterMidnightWithinLimit", {23, 59, 59, 0}, 150, {0, 0, 0, 500}, false},
        TurnTimeCase{"AfterMidnightPastLimit", {23, 59, 59, 0}, 150, {0, 0, 0, 510}, true},
        TurnTimeCase{"LongAfterMidnight", {23, 59, 59, 0}, 150, {1, 0, 0, 0}, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane
