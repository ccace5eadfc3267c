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

// The MESSAGE line of the threat line behind a searched move: "MESSAGE line x,y x,y ...", the
// move first and the sides alternating.
std::string LineMessage(const ThreatLine& line);

// The MESSAGE line of the root's cells still in play after the search, in list order, each with
// its total: "MESSAGE candidates x,y:total ...". A cell listed twice (a best attack or defence
// record that heads the list as well) is named once.
std::string CandidatesMessage(const CandidateList& rootList);

// The answer to ABOUT.
std::string AboutReply();

// Text read from the manager, fit to be echoed: every byte that is not printable ASCII becomes
// '?'.
std::string Printable(std::string_view text);

}  // namespace orvane::pipe
