#pragma once

#include <cstdint>
#include <optional>

#include "platform/clock.hpp"

namespace orvane {

// The browser's clock: JavaScript's Date, as local and as UTC time of day. It can be stopped at
// one instant, so that a session gives the same replies on every run.
class BrowserClock final : public Clock {
 public:
  TimeOfDay localTime() const override;
  TimeOfDay utcTime() const override;

  // From now on every reading gives this instant, in milliseconds since 1970-01-01 UTC.
  void freezeAt(double epochMilliseconds) { frozenAt_ = epochMilliseconds; }

 private:
  std::int64_t nowMilliseconds() const;

  std::optional<double> frozenAt_;
  // The search reads the local clock after every tried cell; the time zone's offset is asked of
  // the browser once for each second.
  struct ZoneOffset {
    std::int64_t second = -1;
    std::int64_t milliseconds = 0;
  };
  mutable ZoneOffset lastOffset_;
};

}  // namespace orvane
