#pragma once

#include <cstdint>

#include "patterns/pattern_map.hpp"
#include "search/candidate.hpp"

namespace orvane {

// Strongest double threat the side to move can make with one stone: 0 none, 1 two threes,
// 2 a four with a three, 3 two fours.
using AttackLevel = std::uint8_t;

// Scores every empty cell for the side to move at `level` (own side at odd levels) from the map
// alone. Resets the whole list, ranks the twelve best totals into positions 1 to 12 (equal totals
// in scan order), keeps the best defence at 13 and the best attack at 14, and returns the node's
// attack level.
AttackLevel ScanCandidates(const PatternMap& map, std::uint8_t level, CandidateList& list);

}  // namespace orvane
