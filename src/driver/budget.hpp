#pragma once

#include <cstdint>

namespace orvane {

// How long one run may search, in hundredths of a second, and how many plies deep. The defaults
// stand until the budget is worked out (the banner of a run without its files shows them).
struct Budget {
  std::uint16_t turnLimit = 2850;
  std::uint8_t searchDepth = 10;

  friend bool operator==(const Budget&, const Budget&) = default;
};

// The turn's seconds as read from "timeouts.dat", clamped to 0..65535 so that a huge value never
// wraps round to a short turn.
std::uint16_t TurnSecondsFrom(std::int32_t value);

// The turn's limits from the seconds per turn, the match time left (in the manager's unit), the
// number of stones and the number of cells of the board (400 on 20 x 20), more than the stones.
Budget ComputeBudget(std::uint16_t turnSeconds, std::int32_t matchTimeLeft,
                     std::uint16_t stoneCount, std::uint16_t cellCount = 400);

}  // namespace orvane
