#pragma once

#include <cstdint>
#include <functional>

#include "patterns/pattern_map.hpp"
#include "search/candidate.hpp"

namespace orvane::testing {

// A second, plain implementation of the threat search, written to be read rather than to be fast:
// plain loops, one list position at a time; after every trial stone each empty cell near it is
// evaluated afresh from the board, and the whole map is later put back from a saved copy. It shares
// nothing with the engine's search but the score table and the full cell evaluation.
class ReferenceSearch {
 public:
  ReferenceSearch(const Board& board, std::uint8_t searchDepth);

  // One node, with the engine's parameters; the root is level 1 with NoReplyYet and 1000000.
  void node(CandidateList& list, std::uint8_t level, Verdict& verdict, Verdict cutoffVerdict,
            std::int32_t sumMargin);

  // Asked after every tried cell that has another after it; by default the turn never runs out.
  std::function<bool()> timeUp = [] { return false; };

  Position position;
  std::uint8_t searchDepth;
  std::uint64_t nodes = 0;

 private:
  // Resets the node and ranks its cells; returns the node's attack level.
  int scan(CandidateList& list, std::uint8_t level) const;
  // After a stone on (x, y): marks the cell occupied and re-evaluates the empty cells it can reach.
  void refreshAround(int x, int y);
};

}  // namespace orvane::testing
