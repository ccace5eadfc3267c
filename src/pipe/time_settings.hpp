#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace orvane::pipe {

// The manager's timing, as INFO gives it in milliseconds, turned into the two numbers the engine
// budgets a move with: the turn's whole seconds and the match time left.
class TimeSettings {
 public:
  // The match time left when there is no limit, and the manager's "unlimited" time_left.
  static constexpr std::int32_t Unlimited = std::numeric_limits<std::int32_t>::max();
  // The time for a turn until the manager gives one.
  static constexpr std::int64_t DefaultTurnTimeout = 30000;

  void setTurnTimeout(std::int64_t milliseconds) { turnTimeout_ = milliseconds; }
  // 0 means no limit.
  void setMatchTimeout(std::int64_t milliseconds) { matchTimeout_ = milliseconds; }
  void setTimeLeft(std::int64_t milliseconds) { timeLeft_ = milliseconds; }
  // A new game: the match time runs from timeout_match again until a time_left arrives.
  void startGame() { timeLeft_.reset(); }

  // timeout_turn in whole seconds, truncated and clamped to 0..65535.
  std::uint16_t turnSeconds() const;
  // The last time_left of this game, or else timeout_match (Unlimited for 0), clamped to the
  // signed 32-bit range.
  std::int32_t matchTimeLeft() const;
  // For the strong search, in milliseconds: timeout_turn, and the match time left (the last
  // time_left, or else timeout_match), -1 when there is no limit. A turn of 0 or less leaves the
  // match time alone to bound a move; with no match limit either, it is the protocol's "as fast
  // as possible", a turn of 1 ms, since a search bounded by nothing would never answer.
  std::int64_t turnMilliseconds() const;
  std::int64_t matchMillisecondsLeft() const;

 private:
  std::int64_t turnTimeout_ = DefaultTurnTimeout;
  std::int64_t matchTimeout_ = 0;
  std::optional<std::int64_t> timeLeft_;
};

}  // namespace orvane::pipe
