#pragma once

#include <cstdint>
#include <optional>

#include "driver/root_choice.hpp"
#include "patterns/board.hpp"
#include "patterns/game_rule.hpp"
#include "strong/strong_search.hpp"
#include "strong/time_plan.hpp"
#include "strong/turn_clock.hpp"

namespace orvane::strong {

// What a manager gives the strong search for one move.
struct StrongRequest {
  BoardArea area;
  GameRule rule = GameRule::Freestyle;
  bool ownIsBlack = true;  // renju: whether the brain plays black
  MoveTimes times;
  int maxDepth = 60;           // plies, for play at a fixed depth
  std::uint64_t maxNodes = 0;  // for play at a fixed count of nodes; 0 none
};

struct StrongOutcome {
  std::optional<Move> move;   // none when the board has no empty cell
  bool searched = false;      // false for the opening move, which needs no search
  IterationReport report;     // the last finished iteration
  RootCandidates candidates;  // the root's cells after it
};

// The strong search's one entry point: the centre of an empty board, no move on a full one,
// otherwise the search within the request's budget, counted on `turnClock`, which started with
// the turn. Black in renju never plays a forbidden cell. `board` holds the cells past the area
// blocked.
StrongOutcome PlayStrongTurn(StrongSearch& search, const Board& board, const StrongRequest& request,
                             const TurnClock& turnClock, IterationListener* listener);

}  // namespace orvane::strong
