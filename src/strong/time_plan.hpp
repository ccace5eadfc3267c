#pragma once

#include <cstdint>

namespace orvane::strong {

// The manager's clock for one move, in milliseconds: the turn's time (0 or less: none) and the
// match time left (negative: none).
struct MoveTimes {
  std::int64_t turn = 30000;
  std::int64_t matchLeft = -1;
};

// How long one move may take, in milliseconds from its start: the time it aims at, and the hard
// limit at which a search stops wherever it is. A negative maximum means no limit.
struct TurnBudget {
  std::int32_t optimum = -1;
  std::int32_t maximum = -1;

  bool timed() const { return maximum >= 0; }
  friend bool operator==(const TurnBudget&, const TurnBudget&) = default;
};

// The longest budget of a move, 12 hours: the turn's clock reads the time of day, so it could
// never see the end of a turn of a day or more.
inline constexpr std::int32_t LongestBudget = 12 * 3600 * 1000;

// The budget of a move with `emptyCells` cells left on the board. The turn keeps a reserve for
// reading, writing, a busy machine and a manager under Wine (a fifth of it, 30 to 500 ms: on a
// loaded machine under Wine, a manager sees answers up to 160 ms later than the brain). The
// match time left, less a twentieth of it (30 to 500 ms), is shared over the moves a game still
// has, and one move never takes more than a quarter of it.
TurnBudget PlanTurn(const MoveTimes& times, int emptyCells);

}  // namespace orvane::strong
