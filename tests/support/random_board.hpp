#pragma once

#include <random>

#include "patterns/board.hpp"

namespace orvane::testing {

// A random position for property tests. Each board draws its own stone density (from a few
// stones to an almost full area), share of own stones (one side only, or mixed) and area: the
// whole board, a box in one corner or a band along one edge, so that lines running into the edge
// are common.
inline Board RandomBoard(std::mt19937& rng) {
  auto draw = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  constexpr double Densities[] = {0.04, 0.12, 0.25, 0.45, 0.7, 0.95};
  constexpr double OwnShares[] = {0.0, 0.5, 1.0, 0.8, 0.2};
  const double density = Densities[draw(0, 5)];
  const double ownShare = OwnShares[draw(0, 4)];

  int x0 = 0, y0 = 0, x1 = BoardSide - 1, y1 = BoardSide - 1;
  switch (draw(0, 2)) {
    case 0:  // the whole board
      break;
    case 1: {  // a box in a corner
      const int size = draw(3, 8);
      if (draw(0, 1) == 0)
        x1 = size - 1;
      else
        x0 = BoardSide - size;
      if (draw(0, 1) == 0)
        y1 = size - 1;
      else
        y0 = BoardSide - size;
      break;
    }
    default: {  // a band along one edge
      const int depth = draw(2, 5);
      switch (draw(0, 3)) {
        case 0:
          y1 = depth - 1;
          break;
        case 1:
          y0 = BoardSide - depth;
          break;
        case 2:
          x1 = depth - 1;
          break;
        default:
          x0 = BoardSide - depth;
          break;
      }
      break;
    }
  }

  std::uniform_real_distribution<double> unit(0.0, 1.0);
  Board board;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (unit(rng) >= density) continue;
      board.set(x, y, unit(rng) < ownShare ? CellState::Own : CellState::Opponent);
    }
  }
  return board;
}

}  // namespace orvane::testing
