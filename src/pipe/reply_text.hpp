#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "driver/root_choice.hpp"
#include "driver/turn.hpp"

namespace orvane::pipe {

// The texts of the brain's replies, without their line ends.

// "x,y".
std::string MoveReply(Move move);

// The MESSAGE line sent before a searched move: depth, nodes, the root verdict and the time
// spent on the move in hundredths of a second.
std::string SearchMessage(const TurnOutcome& outcome, std::int32_t centiseconds);

// The answer to ABOUT.
std::string AboutReply();

// Text read from the manager, fit to be echoed: every byte that is not printable ASCII becomes
// '?'.
std::string Printable(std::string_view text);

}  // namespace orvane::pipe
