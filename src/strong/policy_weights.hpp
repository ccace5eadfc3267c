#pragma once

#include <array>
#include <cstdint>

namespace orvane::strong {

// What the strong search's move order counts, for one rule: for a cell, what each line shape a
// stone there takes part in and the threat it makes are worth, for the side to move (attack) and
// for the other side (defence), and how near the cell lies to each side's last stone (1 to 4
// cells, then 5 or more). Indexed by LineShape, by Threat and by distance less one. The values
// of each rule, learnt from the moves of strong games, are in learnt_policy.hpp.
struct PolicyWeights {
  std::array<std::int16_t, 12> attackShape;
  std::array<std::int16_t, 8> attackThreat;
  std::array<std::int16_t, 12> defenceShape;
  std::array<std::int16_t, 8> defenceThreat;
  std::array<std::int16_t, 5> nearOtherMove;
  std::array<std::int16_t, 5> nearOwnMove;
};

}  // namespace orvane::strong
