#pragma once

#include <cstdint>

#include "platform/clock.hpp"

namespace orvane {

// The turn's time: StartTime and TurnLimit in hundredths of a second, read on the local clock.
class TurnTimer {
 public:
  TurnTimer(const Clock& clock, std::int32_t startTime, std::uint16_t turnLimit)
      : clock_(clock), startTime_(startTime), turnLimit_(turnLimit) {}

  // Reads the clock afresh. A reading below the start time means the run has crossed local
  // midnight, so a day is added before the comparison; otherwise the turn would never end.
  bool expired() const {
    std::int32_t now = centisecondsOfDay(clock_.localTime());
    if (now < startTime_) now += CentisecondsPerDay;
    return now > startTime_ + std::int32_t{turnLimit_};
  }

 private:
  const Clock& clock_;
  std::int32_t startTime_;
  std::uint16_t turnLimit_;
};

}  // namespace orvane
