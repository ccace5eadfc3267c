#pragma once

#include <functional>

#include "platform/clock.hpp"

namespace orvane::testing {

// A clock the test sets. By default it stands still at 13:05:42.378 (local and UTC alike);
// `localAtReading` can make the local time depend on how often it has been read, to let a search
// run out of time at a chosen point.
class FakeClock final : public Clock {
 public:
  TimeOfDay local{13, 5, 42, 378};
  TimeOfDay utc{13, 5, 42, 378};
  std::function<TimeOfDay(int reading)> localAtReading;
  mutable int localReadings = 0;

  TimeOfDay localTime() const override {
    const int reading = localReadings++;
    return localAtReading ? localAtReading(reading) : local;
  }
  TimeOfDay utcTime() const override { return utc; }
};

}  // namespace orvane::testing
