#pragma once

#include <cstdint>

#include "platform/clock.hpp"

namespace orvane::strong {

// Milliseconds since the turn started, read on the local clock; a reading past midnight is
// counted on from the day before.
class TurnClock {
 public:
  explicit TurnClock(const Clock& clock) : clock_(&clock), start_(millisecondsOfDay()) {}

  std::int32_t elapsed() const {
    std::int32_t now = millisecondsOfDay();
    if (now < start_) now += MillisecondsPerDay;
    return now - start_;
  }

 private:
  static constexpr std::int32_t MillisecondsPerDay = 24 * 3600 * 1000;

  std::int32_t millisecondsOfDay() const {
    const TimeOfDay time = clock_->localTime();
    return ((time.hours * 60 + time.minutes) * 60 + time.seconds) * 1000 + time.milliseconds;
  }

  const Clock* clock_;
  std::int32_t start_;
};

}  // namespace orvane::strong
