#pragma once

#include <cstdint>
#include <cstdlib>
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

// The move on an empty board: a cell of the block at the board's centre, x drawn first; the
// block is 4 cells wide along an even side and 3 along an odd one, so that on 20 x 20 it runs
// from (8, 8) to (11, 11) and on 15 x 15 from (6, 6) to (8, 8).
Move OpeningMove(RandomGenerator& random, BoardArea area = {});

// Draws among the leading positions of the root list that carry a score (position 1 always
// counts) and plays the drawn cell if it is an empty cell of the board; otherwise the empty cell
// nearest the centre. No move when the board is full.
std::optional<Move> ChooseRootMove(const CandidateList& rootList, const Board& board,
                                   RandomGenerator& random, BoardArea area = {});

// The two halves of that choice: the drawn position (1 to 14), then the move it gives.
int DrawRootPosition(const CandidateList& rootList, RandomGenerator& random);
std::optional<Move> MoveAtPosition(const CandidateList& rootList, int position, const Board& board,
                                   BoardArea area = {});

// The empty cell with the smallest |x - width / 2| + |y - height / 2| (|x - 10| + |y - 10| on
// 20 x 20), the first in scan order among equals.
std::optional<Move> CentreFallback(const Board& board, BoardArea area = {});

// The move for a side that may not play every cell (black in renju): the drawn move when
// `playable` allows it, else the first ranked cell of the root list that it allows, else the
// playable empty cell nearest the centre. Without any such cell, the drawn move.
template <typename Playable>
std::optional<Move> PlayableMove(std::optional<Move> drawn, const CandidateList& rootList,
                                 const Board& board, BoardArea area, Playable playable) {
  if (!drawn || playable(*drawn)) return drawn;
  for (int position = 1; position <= CandidateListSize; ++position) {
    const Candidate& candidate = rootList[position];
    if (candidate.total() == 0 || !area.contains(candidate.x, candidate.y)) continue;
    const Move move{static_cast<std::uint8_t>(candidate.x), static_cast<std::uint8_t>(candidate.y)};
    if (board.at(move.x, move.y) == CellState::Empty && playable(move)) return move;
  }
  std::optional<Move> best;
  int bestDistance = 100;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      const Move move{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
      const int distance = std::abs(x - area.width / 2) + std::abs(y - area.height / 2);
      if (distance < bestDistance && board.at(x, y) == CellState::Empty && playable(move)) {
        bestDistance = distance;
        best = move;
      }
    }
  }
  return best ? best : drawn;
}

}  // namespace orvane
