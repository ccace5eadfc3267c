#include "driver/root_choice.hpp"

#include <cstdlib>

namespace orvane {

Move OpeningMove(RandomGenerator& random) {
  const auto x = static_cast<std::uint8_t>(8 + random.RandomBelow(4));
  const auto y = static_cast<std::uint8_t>(8 + random.RandomBelow(4));
  return {x, y};
}

std::optional<Move> ChooseRootMove(const CandidateList& rootList, const Board& board,
                                   RandomGenerator& random) {
  return MoveAtPosition(rootList, DrawRootPosition(rootList, random), board);
}

int DrawRootPosition(const CandidateList& rootList, RandomGenerator& random) {
  std::uint16_t qualifyingCount = 1;
  while (qualifyingCount < CandidateListSize) {
    const Candidate& next = rootList[qualifyingCount + 1];
    if (next.attack == 0 && next.defence == 0) break;
    ++qualifyingCount;
  }
  return static_cast<int>(random.RandomBelow(qualifyingCount)) + 1;
}

std::optional<Move> MoveAtPosition(const CandidateList& rootList, int position,
                                   const Board& board) {
  const Candidate& picked = rootList[position];
  const auto x = static_cast<std::uint8_t>(picked.x);
  const auto y = static_cast<std::uint8_t>(picked.y);
  if (x < BoardSide && y < BoardSide && board.at(x, y) == CellState::Empty) return Move{x, y};
  return CentreFallback(board);
}

std::optional<Move> CentreFallback(const Board& board) {
  std::optional<Move> best;
  int bestDistance = 100;
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      if (board.at(x, y) != CellState::Empty) continue;
      const int distance = std::abs(x - 10) + std::abs(y - 10);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = Move{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
      }
    }
  }
  return best;
}

}  // namespace orvane
