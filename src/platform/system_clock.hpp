#pragma once

#include <ctime>

#include "platform/clock.hpp"

namespace orvane {

// The machine's wall clock through the C library, so that clock-faking tools can freeze it.
class SystemClock final : public Clock {
 public:
  TimeOfDay localTime() const override;
  TimeOfDay utcTime() const override;

 private:
  // The search reads the local clock after every tried cell; the conversion of the seconds to a
  // time of day is kept for the second it was made for, and only the milliseconds change within it.
  struct ConvertedSecond {
    std::time_t second = -1;
    TimeOfDay time;
  };
  mutable ConvertedSecond lastLocal_;
};

}  // namespace orvane
