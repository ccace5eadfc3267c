#pragma once

#include <cstdint>

#include "patterns/freestyle_lines.hpp"
#include "patterns/pattern_map.hpp"
#include "search/candidate.hpp"
#include "search/candidate_scan.hpp"
#include "search/search_position.hpp"
#include "search/threat_line.hpp"
#include "search/turn_timer.hpp"

namespace orvane {

// What every node of one search shares: the position with the trial stones of the plies above,
// the deepest level, the turn's time, the count of nodes visited and the cells the last scans
// listed. `Lines` are the rule's line codes: FreestyleLines, or RuleLines for the other rules.
template <typename Lines = FreestyleLines>
struct SearchContext {
  SearchContext(Position& shared, std::uint8_t depth, const TurnTimer& turnTimer,
                const Lines& codes = Lines{})
      : position(shared, codes), searchDepth(depth), timer(turnTimer) {}

  SearchPosition<Lines> position;
  std::uint8_t searchDepth;
  const TurnTimer& timer;
  std::uint64_t nodes = 0;
  RecentCells recentCells;
};

// One node of the threat search, for the side to move at `level` (own side at odd levels).
// Rewrites `list` and `verdict`; the board and the map are returned exactly as found.
// `cutoffVerdict` is the caller's best reply verdict so far and `sumMargin` the caller's margin of
// the tried cell's total over its best total; the root passes NoReplyYet and 1000000. In renju,
// black never takes a forbidden cell: a win found from the scan stands only on a cell black may
// play, a cell black may not play is a lost try, and a five of white's that black could stop
// only on a forbidden cell is black's loss.
template <typename Lines>
void SearchNode(SearchContext<Lines>& context, CandidateList& list, std::uint8_t level,
                Verdict& verdict, Verdict cutoffVerdict, std::int32_t sumMargin);

// The same node, deciding exactly the same, which also gives the line behind the cell at each
// position of its list: the cell, then the line behind the head of its reply's list, down to the
// node that decided. A node decided from its scan ends the line with the stone that wins there.
template <typename Lines>
void TracedSearchNode(SearchContext<Lines>& context, CandidateList& list, std::uint8_t level,
                      Verdict& verdict, Verdict cutoffVerdict, std::int32_t sumMargin,
                      ListLines& lines);

}  // namespace orvane
