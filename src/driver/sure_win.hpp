#pragma once

#include <optional>

#include "driver/root_choice.hpp"
#include "patterns/board.hpp"
#include "patterns/rule_lines.hpp"

namespace orvane {

// The own side's move that wins whatever the other side replies, under the rule of `codes`: a
// five first; else, when the other side has no five of its own to make, a four after which no
// reply of the other side stops every five of the own side (a straight four, two fours, or in
// renju white's four whose only block is forbidden to black). The first such cell in scan order;
// none when the side to move has no sure win. Black in renju only plays cells it may play.
std::optional<Move> FindSureWin(const Board& board, const RuleLines& codes);

}  // namespace orvane
