#pragma once

#include <cstdint>

#include "patterns/board_lines.hpp"
#include "patterns/cell_evaluation.hpp"
#include "patterns/pattern_map.hpp"

namespace orvane {

// Line codes of freestyle, where five or more in a row win: one look-up in the table of every
// neighbourhood of four cells on either side.
struct FreestyleLines {
  // Code `direction` of the empty cell whose slot starts at bit `shift` of its line word.
  static void reevaluate(CellCodes& entry, int direction, std::uint64_t word, int shift) {
    DirectionReevaluation(entry, direction, neighboursAt(word, shift));
  }
};

}  // namespace orvane
