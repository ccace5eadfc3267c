#include "pipe/time_settings.hpp"

#include <algorithm>

#include "driver/budget.hpp"

namespace orvane::pipe {

namespace {

std::int32_t clampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::uint16_t TimeSettings::turnSeconds() const {
  return TurnSecondsFrom(clampToInt32(turnTimeout_ / 1000));
}

std::int32_t TimeSettings::matchTimeLeft() const {
  if (timeLeft_) return clampToInt32(*timeLeft_);
  if (matchTimeout_ == 0) return Unlimited;
  return clampToInt32(matchTimeout_);
}

std::int64_t TimeSettings::turnMilliseconds() const {
  if (turnTimeout_ <= 0 && matchMillisecondsLeft() < 0) return 1;
  return turnTimeout_;
}

std::int64_t TimeSettings::matchMillisecondsLeft() const {
  if (timeLeft_) return *timeLeft_ >= Unlimited ? -1 : std::max<std::int64_t>(*timeLeft_, 0);
  return matchTimeout_ <= 0 ? -1 : matchTimeout_;
}

}  // namespace orvane::pipe
