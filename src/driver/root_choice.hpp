#pragma once

#include <cstdint>
#include <optional>

#include "driver/random_generator.hpp"
#include "patterns/board.hpp"
#include "search/candidate.hpp"

namespace orvane {

struct Move {
  std::uint8_t x = 0;
  std::uint8_t y = 0;

  friend bool operator==(const Move&, const Move&) = default;
};

// The move on an empty board: a cell of the 4 x 4 block from (8, 8) to (11, 11), x drawn first.
Move OpeningMove(RandomGenerator& random);

// Draws among the leading positions of the root list that carry a score (position 1 always
// counts) and plays the drawn cell if it is an empty cell of the board; otherwise the empty cell
// nearest the centre. No move when the board is full.
std::optional<Move> ChooseRootMove(const CandidateList& rootList, const Board& board,
                                   RandomGenerator& random);

// The two halves of that choice: the drawn position (1 to 14), then the move it gives.
int DrawRootPosition(const CandidateList& rootList, RandomGenerator& random);
std::optional<Move> MoveAtPosition(const CandidateList& rootList, int position, const Board& board);

// The empty cell with the smallest |x - 10| + |y - 10|, the first in scan order among equals.
std::optional<Move> CentreFallback(const Board& board);

}  // namespace orvane
