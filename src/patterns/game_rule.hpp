#pragma once

#include <cstdint>

namespace orvane {

// What wins, and what black may not play:
// - Freestyle: five or more in a row.
// - ExactFive: exactly five; six or more (an overline) do not win.
// - Renju: black, who moved first, wins only with exactly five and may not play an overline, a
//   double four or a double three; white wins with five or more.
// - Caro: five or more, unless the other side's stones close the row at both ends (the edge is
//   no block).
// - CaroExactFive: exactly five, unless closed at both ends by the other side.
enum class GameRule : std::uint8_t { Freestyle, ExactFive, Renju, Caro, CaroExactFive };

}  // namespace orvane
