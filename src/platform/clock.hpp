#pragma once

#include <cstdint>

namespace orvane {

struct TimeOfDay {
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  int milliseconds = 0;
};

// Whole hundredths of a second since midnight: the unit of the turn's time.
constexpr std::int32_t centisecondsOfDay(const TimeOfDay& time) {
  return time.hours * 360000 + time.minutes * 6000 + time.seconds * 100 + time.milliseconds / 10;
}

inline constexpr std::int32_t CentisecondsPerDay = 24 * 360000;

// The wall clock, as local and as UTC time of day.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeOfDay localTime() const = 0;
  virtual TimeOfDay utcTime() const = 0;
};

}  // namespace orvane
