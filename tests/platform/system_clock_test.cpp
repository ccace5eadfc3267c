#include <gtest/gtest.h>

#include "platform/system_clock.hpp"

namespace orvane {
namespace {

void ExpectTimeOfDay(const TimeOfDay& time) {
  EXPECT_GE(time.hours, 0);
  EXPECT_LE(time.hours, 23);
  EXPECT_GE(time.minutes, 0);
  EXPECT_LE(time.minutes, 59);
  EXPECT_GE(time.seconds, 0);
  EXPECT_LE(time.seconds, 60);  // a leap second
  EXPECT_GE(time.milliseconds, 0);
  EXPECT_LE(time.milliseconds, 999);
}

TEST(SystemClockTest, GivesLocalAndUtcTimesOfDay) {
  const SystemClock clock;
  ExpectTimeOfDay(clock.localTime());
  ExpectTimeOfDay(clock.utcTime());
}

// Time zones are whole quarters of an hour apart, so local and UTC time agree on the seconds
// (read twice, in case a second ends between the two readings).
TEST(SystemClockTest, LocalAndUtcTimesAgreeWithinAMinute) {
  const SystemClock clock;
  bool agreed = false;
  for (int attempt = 0; attempt < 2 && !agreed; ++attempt) {
    const TimeOfDay local = clock.localTime();
    const TimeOfDay utc = clock.utcTime();
    agreed = local.seconds == utc.seconds && local.minutes % 15 == utc.minutes % 15;
  }
  EXPECT_TRUE(agreed);
}

}  // namespace
}  // namespace orvane
