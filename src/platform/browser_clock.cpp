#include "platform/browser_clock.hpp"

#include <emscripten/em_js.h>
#include <emscripten/html5.h>

#include <cmath>

namespace orvane {

namespace {

// Local time minus UTC at the given instant, in minutes, as the browser's time zone says.
EM_JS(double, zoneOffsetMinutesAt, (double epochMilliseconds),
      { return -new Date(epochMilliseconds).getTimezoneOffset(); });

constexpr std::int64_t MillisecondsPerDay = 24 * 60 * 60 * 1000;

TimeOfDay timeOfDay(std::int64_t epochMilliseconds) {
  const std::int64_t ofDay =
      (epochMilliseconds % MillisecondsPerDay + MillisecondsPerDay) % MillisecondsPerDay;
  const int seconds = static_cast<int>(ofDay / 1000);
  return TimeOfDay{seconds / 3600, seconds / 60 % 60, seconds % 60, static_cast<int>(ofDay % 1000)};
}

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
  return value / divisor - (value % divisor < 0 ? 1 : 0);
}

}  // namespace

std::int64_t BrowserClock::nowMilliseconds() const {
  return static_cast<std::int64_t>(std::floor(frozenAt_ ? *frozenAt_ : emscripten_date_now()));
}

TimeOfDay BrowserClock::localTime() const {
  const std::int64_t now = nowMilliseconds();
  const std::int64_t second = floorDivide(now, 1000);
  if (second != lastOffset_.second) {
    const double minutes = zoneOffsetMinutesAt(static_cast<double>(now));
    lastOffset_ = {second, static_cast<std::int64_t>(std::lround(minutes * 60000))};
  }
  return timeOfDay(now + lastOffset_.milliseconds);
}

TimeOfDay BrowserClock::utcTime() const {
  return timeOfDay(nowMilliseconds());
}

}  // namespace orvane
