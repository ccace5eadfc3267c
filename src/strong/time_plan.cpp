#include "strong/time_plan.hpp"

#include <algorithm>

namespace orvane::strong {

namespace {

// The moves of its own a game is expected still to need: fewer as the board fills.
std::int64_t movesToGo(int emptyCells) {
  return std::clamp<std::int64_t>(emptyCells / 10, 12, 30);
}

}  // namespace

TurnBudget PlanTurn(const MoveTimes& times, int emptyCells) {
  std::int64_t optimum = -1;
  std::int64_t maximum = -1;
  if (times.turn > 0) {
    const std::int64_t reserve = std::clamp<std::int64_t>(times.turn / 5, 30, 500);
    maximum = std::max<std::int64_t>(times.turn - reserve, 1);
    optimum = maximum;
  }
  if (times.matchLeft >= 0) {
    const std::int64_t reserve = std::clamp<std::int64_t>(times.matchLeft / 20, 30, 500);
    const std::int64_t usable = std::max<std::int64_t>(times.matchLeft - reserve, 1);
    const std::int64_t share = usable / movesToGo(emptyCells);
    const std::int64_t cap = std::max<std::int64_t>(usable / 4, 1);
    optimum = optimum < 0 ? share : std::min(optimum, share);
    maximum = std::min(maximum < 0 ? cap : maximum, std::min(cap, 3 * share));
    optimum = std::min(optimum, maximum);
  }
  return {static_cast<std::int32_t>(std::min<std::int64_t>(optimum, LongestBudget)),
          static_cast<std::int32_t>(std::min<std::int64_t>(maximum, LongestBudget))};
}

}  // namespace orvane::strong
