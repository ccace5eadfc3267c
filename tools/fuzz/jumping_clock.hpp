#pragma once

#include <cstdint>

#include "fuzzed_directory.hpp"
#include "platform/clock.hpp"

namespace orvane::fuzz {

inline TimeOfDay timeOfDay(std::uint32_t milliseconds) {
  const auto seconds = static_cast<int>(milliseconds / 1000);
  return {seconds / 3600, seconds / 60 % 60, seconds % 60, static_cast<int>(milliseconds % 1000)};
}

// The local clock stands still for a number of readings, then shows an hour later, past the
// longest turn (crossing midnight when the start is just before it). The UTC clock stands still.
class JumpingClock final : public Clock {
 public:
  explicit JumpingClock(const FuzzedDirectory& directory)
      : start_(directory.startMilliseconds),
        utc_(directory.utcMilliseconds),
        frozenReadings_(directory.frozenReadings) {}

  TimeOfDay localTime() const override {
    if (readings_++ < frozenReadings_) return timeOfDay(start_);
    ++lateReadings_;
    return timeOfDay((start_ + 3600 * 1000) % MillisecondsPerDay);
  }
  TimeOfDay utcTime() const override { return timeOfDay(utc_); }

  int lateReadings() const { return lateReadings_; }

 private:
  std::uint32_t start_;
  std::uint32_t utc_;
  int frozenReadings_;
  mutable int readings_ = 0;
  mutable int lateReadings_ = 0;
};

}  // namespace orvane::fuzz
