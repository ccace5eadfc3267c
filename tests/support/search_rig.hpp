#pragma once

#include <cstdint>

#include "patterns/cell_evaluation.hpp"
#include "patterns/pattern_map.hpp"
#include "search/search_node.hpp"
#include "search/turn_timer.hpp"
#include "support/fake_clock.hpp"

namespace orvane::testing {

struct NodeResult {
  CandidateList list;
  Verdict verdict = Undecided;
  std::uint64_t nodes = 0;
  // The board and the map after the search equal the ones before it.
  bool positionRestored = false;
};

// Runs one search node over a position of the test's making. The clock stands still at its
// default time, which is also the start of the turn, unless the test changes it.
struct SearchRig {
  Position position{};
  FakeClock clock;
  std::int32_t startTime = centisecondsOfDay(FakeClock{}.local);
  std::uint16_t turnLimit = 2850;

  // A real position: the board and the map a full evaluation builds for it.
  void setBoard(const Board& board) {
    position.board = board;
    position.map = PatternMap{};
    InitialisePatternMap(position.map, board);
  }

  NodeResult search(std::uint8_t level, std::uint8_t searchDepth,
                    Verdict cutoffVerdict = NoReplyYet, std::int32_t sumMargin = 1000000) {
    const Position before = position;
    const TurnTimer timer(clock, startTime, turnLimit);
    SearchContext context{position, searchDepth, timer};
    NodeResult result;
    SearchNode(context, result.list, level, result.verdict, cutoffVerdict, sumMargin);
    result.nodes = context.nodes;
    result.positionRestored = position.board == before.board && position.map == before.map;
    return result;
  }
};

}  // namespace orvane::testing
