#include "driver/budget.hpp"

namespace orvane {

std::uint16_t TurnSecondsFrom(std::int32_t value) {
  if (value < 0) return 0;
  if (value > 65535) return 65535;
  return static_cast<std::uint16_t>(value);
}

Budget ComputeBudget(std::uint16_t turnSeconds, std::int32_t matchTimeLeft,
                     std::uint16_t stoneCount, std::uint16_t cellCount) {
  // The moves the brain would still make if the board were filled: half the empty cells, rounded
  // up.
  const std::uint16_t movesLeft = static_cast<std::uint16_t>((cellCount + 1 - stoneCount) / 2);
  const std::int32_t moveShare = matchTimeLeft / movesLeft;

  Budget budget;
  if (moveShare <= 350) budget.searchDepth = 8;
  if (moveShare <= 280 || stoneCount <= 4) budget.searchDepth = 6;
  // A crowded board: a sixth or less of its cells left for the brain's moves.
  if (moveShare <= 250 || cellCount / movesLeft >= 6) budget.searchDepth = 2;
  if (turnSeconds < 3) {
    budget.turnLimit = 100;
    budget.searchDepth = 2;
  } else {
    // The turn less a second and a half for reading, writing and the end of the search; a turn
    // too long for the limit's range gets the longest limit instead of wrapping round.
    const std::int32_t limit = std::int32_t{turnSeconds} * 100 - 150;
    budget.turnLimit = static_cast<std::uint16_t>(limit > 65535 ? 65535 : limit);
  }
  return budget;
}

}  // namespace orvane
