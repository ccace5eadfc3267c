#pragma once

#include <random>
#include <vector>

#include "patterns/board.hpp"

namespace orvane::testing {

// A position as games make them: `stones` stones played in turn from the centre of a 15 x 15
// board (the cells past it blocked), black first, each next to a stone already there (within
// two cells), own stones black. Stones land anywhere near, so threats of every kind arise.
inline Board RandomGamePosition(std::mt19937& rng, int stones) {
  Board board = EmptyBoard({15, 15});
  std::vector<int> played{cellIndex(7, 7)};
  board.cells[played[0]] = CellState::Own;
  std::uniform_int_distribution<int> offset(-2, 2);
  while (static_cast<int>(played.size()) < stones) {
    const int from = played[std::uniform_int_distribution<int>(0, played.size() - 1)(rng)];
    const int x = from % BoardSide + offset(rng);
    const int y = from / BoardSide + offset(rng);
    if (x < 0 || y < 0 || x >= 15 || y >= 15 || board.at(x, y) != CellState::Empty) continue;
    board.set(x, y, played.size() % 2 == 0 ? CellState::Own : CellState::Opponent);
    played.push_back(cellIndex(x, y));
  }
  return board;
}

}  // namespace orvane::testing
