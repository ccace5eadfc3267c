#pragma once

#include <ostream>

#include "search/candidate.hpp"

namespace orvane {

// Lets GoogleTest show candidates as cells and scores when a comparison fails.
inline void PrintTo(const Candidate& candidate, std::ostream* os) {
  *os << "(" << candidate.x << ", " << candidate.y << ") attack " << candidate.attack << " defence "
      << candidate.defence;
}

// Shows every position that is not the zero Candidate.
inline void PrintTo(const CandidateList& list, std::ostream* os) {
  for (int position = 1; position <= CandidateListSize; ++position) {
    if (list[position] == Candidate{}) continue;
    *os << "\n  " << position << ": ";
    PrintTo(list[position], os);
  }
}

}  // namespace orvane
