#include "platform/system_clock.hpp"

#include <time.h>

namespace orvane {

namespace {

timespec now() {
  timespec time{};
  clock_gettime(CLOCK_REALTIME, &time);
  return time;
}

int millisecondsOf(const timespec& time) {
  return static_cast<int>(time.tv_nsec / 1000000);
}

TimeOfDay timeOfDay(const tm& parts, int milliseconds) {
  return TimeOfDay{parts.tm_hour, parts.tm_min, parts.tm_sec, milliseconds};
}

}  // namespace

TimeOfDay SystemClock::localTime() const {
  const timespec time = now();
  if (time.tv_sec != lastLocal_.second) {
    tm parts{};
    localtime_r(&time.tv_sec, &parts);
    lastLocal_ = {time.tv_sec, timeOfDay(parts, 0)};
  }
  TimeOfDay result = lastLocal_.time;
  result.milliseconds = millisecondsOf(time);
  return result;
}

TimeOfDay SystemClock::utcTime() const {
  const timespec time = now();
  tm parts{};
  gmtime_r(&time.tv_sec, &parts);
  return timeOfDay(parts, millisecondsOf(time));
}

}  // namespace orvane
