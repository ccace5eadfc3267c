#pragma once

#include <cstdint>
#include <optional>

#include "driver/budget.hpp"
#include "driver/random_generator.hpp"
#include "driver/root_choice.hpp"
#include "patterns/game_rule.hpp"
#include "patterns/pattern_map.hpp"
#include "platform/clock.hpp"
#include "search/candidate.hpp"
#include "search/threat_line.hpp"

namespace orvane {

// What a manager gives for one move, whatever protocol it speaks.
struct TurnRequest {
  std::uint16_t turnSeconds = 0;
  std::int32_t matchTimeLeft = 0;
  std::int32_t startTime = 0;  // hundredths of a second since local midnight
  bool traceLine = false;      // whether to find the threat line behind the move
  // The game: the board's size (the board holds the cells past it blocked), the rule, and in
  // renju whether the brain plays black.
  BoardArea area;
  GameRule rule = GameRule::Freestyle;
  bool ownIsBlack = true;
};

struct TurnOutcome {
  std::optional<Move> move;  // none when the board has no empty cell
  Budget budget;
  // Whether the move came from the root rather than the opening draw: by the search, or as a
  // sure win, which searches no node, is won and leaves the root list empty.
  bool searched = false;
  std::uint64_t nodes = 0;
  Verdict rootVerdict = Undecided;
  CandidateList rootList;  // as the search left it; the move was drawn from it
  // When traced: the move, then the replies and threats the search expects after it, down to
  // where it decided the root's verdict. Empty otherwise.
  ThreatLine line;
};

// The engine's one entry point: budgets the turn, then draws the opening move on an empty board,
// or fills the pattern map, searches from the root and chooses among its best cells; black in
// renju never plays a forbidden cell. Under every rule but freestyle a sure win (FindSureWin) is
// played before any search. The board of `position` holds the position on entry and on
// return, with the cells past the request's area blocked; its map is overwritten.
TurnOutcome PlayTurn(Position& position, const TurnRequest& request, RandomGenerator& random,
                     const Clock& clock);

}  // namespace orvane
