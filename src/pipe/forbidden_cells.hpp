#pragma once

#include <string>

#include "patterns/board.hpp"
#include "patterns/game_rule.hpp"

namespace orvane::pipe {

// Black moved first, so the brain, whose move it is, plays black when the stones of the two
// sides on the board are even in number. Stones of neither side do not count.
bool BrainPlaysBlack(const Board& board);

// The reply to a FORBIDDEN block: "FORBIDDEN", then " x,y,reason" for every empty cell of the
// area where black may not play under `rule` (renju alone forbids any), in scan order, the
// reason `overline`, `double-four` or `double-three`.
std::string ForbiddenReply(const Board& board, BoardArea area, GameRule rule);

}  // namespace orvane::pipe
