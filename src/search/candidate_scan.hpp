#pragma once

#include <cstdint>

#include "search/candidate.hpp"
#include "search/cell_scores.hpp"

namespace orvane {

// Strongest double threat the side to move can make with one stone: 0 none, 1 two threes,
// 2 a four with a three, 3 two fours.
using AttackLevel = std::uint8_t;

// Ranks every empty cell for the side to move at `level` (own side at odd levels) from its scores
// alone. Rewrites the whole list: the twelve best totals in positions 1 to 12 (equal totals in
// scan order), the best defence at 13 and the best attack at 14. Returns the node's attack level.
AttackLevel ScanCandidates(const CellScores& scores, std::uint8_t level, CandidateList& list);

}  // namespace orvane
