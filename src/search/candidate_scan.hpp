#pragma once

#include <array>
#include <cstdint>

#include "search/candidate.hpp"
#include "search/cell_scores.hpp"

namespace orvane {

// Strongest double threat the side to move can make with one stone: 0 none, 1 two threes,
// 2 a four with a three, 3 two fours.
using AttackLevel = std::uint8_t;

// The cells that the last scan for each side to move put in its list, -1 where there was none. A
// position changes little from one scan to the next, so these cells, scored afresh, tell a new
// scan how high a cell must score to rank at all: it can then pass over most cells eight at a
// time. They only speed the scan up; what it finds does not depend on them.
struct RecentCells {
  using ScanCells = std::array<std::int16_t, CandidateListSize>;
  // By side to move: the own side at odd levels first.
  std::array<ScanCells, 2> cells = filled();

 private:
  static constexpr std::array<ScanCells, 2> filled() {
    std::array<ScanCells, 2> none{};
    for (ScanCells& scan : none)
      scan.fill(-1);
    return none;
  }
};

// How much of the ranking a scan fills: all twelve positions, or the head alone, which is all
// that the caller of a node reads when the node tries no cell.
enum class Ranked { Twelve, HeadOnly };

// Ranks every empty cell for the side to move at `level` (own side at odd levels) from its scores
// alone, `scores` holding them by side to move, the own side first. Rewrites the whole list: the
// best totals in positions 1 to 12 (equal totals in scan order; with `Ranked::HeadOnly` only
// position 1, and the zero Candidate in 2 to 12), the best defence at 13 and the best attack at
// 14. Returns the node's attack level.
AttackLevel ScanCandidates(const std::array<SideScores, 2>& scores, std::uint8_t level,
                           Ranked ranked, CandidateList& list, RecentCells& recent);

}  // namespace orvane
