#pragma once

#include <string>

#include "strong/strong_search.hpp"

namespace orvane::strong {

// The two MESSAGE lines of a finished iteration, without their line ends:
//   "MESSAGE depth D, N nodes, eval E, S.ss s" (E from the brain's side), or "won in M" /
//   "lost in M" in place of "eval E" for a decided value (M: the winning side's moves up to and
//   including its five, the move now counting 1);
//   "MESSAGE line x,y x,y ...": the principal or proven line, the move first.
std::string IterationMessage(const IterationReport& report);
std::string LineMessage(const SolverLine& line);
// "MESSAGE candidates x,y:value ...": the root's cells, best first, each with the value it scored
// in the last finished iteration (after the first, a bound it did not beat). None when a proof
// decided the move.
std::string CandidatesMessage(const RootCandidates& candidates);

}  // namespace orvane::strong
