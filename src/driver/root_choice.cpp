#include "driver/root_choice.hpp"

#include <cstdlib>

namespace orvane {

Move OpeningMove(RandomGenerator& random, BoardArea area) {
  const std::uint32_t width = area.width % 2 == 0 ? 4 : 3;
  const std::uint32_t height = area.height % 2 == 0 ? 4 : 3;
  const auto x = static_cast<std::uint8_t>((area.width - width) / 2 + random.RandomBelow(width));
  const auto y = static_cast<std::uint8_t>((area.height - height) / 2 + random.RandomBelow(height));
  return {x, y};
}

std::optional<Move> ChooseRootMove(const CandidateList& rootList, const Board& board,
                                   RandomGenerator& random, BoardArea area) {
  return MoveAtPosition(rootList, DrawRootPosition(rootList, random), board, area);
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

std::optional<Move> MoveAtPosition(const CandidateList& rootList, int position, const Board& board,
                                   BoardArea area) {
  const Candidate& picked = rootList[position];
  const auto x = static_cast<std::uint8_t>(picked.x);
  const auto y = static_cast<std::uint8_t>(picked.y);
  if (area.contains(x, y) && board.at(x, y) == CellState::Empty) return Move{x, y};
  return CentreFallback(board, area);
}

std::optional<Move> CentreFallback(const Board& board, BoardArea area) {
  std::optional<Move> best;
  int bestDistance = 100;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      if (board.at(x, y) != CellState::Empty) continue;
      const int distance = std::abs(x - area.width / 2) + std::abs(y - area.height / 2);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = Move{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
      }
    }
  }
  return best;
}

}  // namespace orvane
