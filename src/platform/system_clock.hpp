#pragma once

#include <ctime>

#include "platform/clock.hpp"

namespace orvane {

// The machine's wall clock. On Linux it is read through the C library, so that clock-faking
// tools can freeze it; on Windows through GetLocalTime and GetSystemTime.
class SystemClock final : public Clock {
 public:
  TimeOfDay localTime() const override;
  TimeOfDay utcTime() const override;

#ifndef _WIN32
 private:
  // The search reads the local clock after every tried cell; the conversion of the seconds to a
  // time of day is kept for the second it was made for, and only the milliseconds change within it.
  struct ConvertedSecond {
    std::time_t second = -1;
    TimeOfDay time;
  };
  mutable ConvertedSecond lastLocal_;
#endif
};

}  // namespace orvane
