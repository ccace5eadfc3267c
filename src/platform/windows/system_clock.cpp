#include "platform/system_clock.hpp"

#include <windows.h>

namespace orvane {

namespace {

TimeOfDay timeOfDay(const SYSTEMTIME& time) {
  return TimeOfDay{time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

}  // namespace

TimeOfDay SystemClock::localTime() const {
  SYSTEMTIME time;
  GetLocalTime(&time);
  return timeOfDay(time);
}

TimeOfDay SystemClock::utcTime() const {
  SYSTEMTIME time;
  GetSystemTime(&time);
  return timeOfDay(time);
}

}  // namespace orvane
