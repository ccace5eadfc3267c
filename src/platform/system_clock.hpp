#pragma once

#include "platform/clock.hpp"

namespace orvane {

// The machine's wall clock through the C library, so that clock-faking tools can freeze it.
class SystemClock final : public Clock {
 public:
  TimeOfDay localTime() const override;
  TimeOfDay utcTime() const override;
};

}  // namespace orvane
