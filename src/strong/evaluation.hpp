#pragma once

#include <algorithm>
#include <cstdlib>

#include "strong/search_parameters.hpp"
#include "strong/strong_board.hpp"

namespace orvane::strong {

// The static value of a quiet position for the side to move: what the empty cells add to its
// value as the side to move, less what they add to the other side's as the side that waits,
// by the rule's learnt values of the shapes and threats a stone there would make; and for each
// threat that either side has a cell for at all, the rule's value of having it.
inline int Evaluate(const StrongBoard& board, Side toMove) {
  const Side other = opposite(toMove);
  const EvaluationWeights& weights = board.weights();
  int value = board.moverSum(toMove) - board.waitingSum(other);
  for (int threat = static_cast<int>(Threat::Minor);
       threat <= static_cast<int>(Threat::WinningFour); ++threat) {
    if (!board.cellsWith(toMove, static_cast<Threat>(threat)).empty())
      value += weights.moverHas[threat];
    if (!board.cellsWith(other, static_cast<Threat>(threat)).empty())
      value -= weights.waitingHas[threat];
  }
  return value;
}

// How near `cell` lies to `stone`, for the move order: 0 to 3 for a stone 1 to 4 cells away
// along a row, a column or a diagonal, or within that square; 4 for one further.
inline int NearnessOf(int stone, int cell) {
  const int dx = std::abs(stone % BoardSide - cell % BoardSide);
  const int dy = std::abs(stone / BoardSide - cell / BoardSide);
  return std::min(std::max(dx, dy), 5) - 1;
}

// The order of a cell for the side to move: what a stone there makes of its own lines and takes
// from the other side's, and how near it lies to the last stone of each side (-1: not known).
inline int CellOrder(const StrongBoard& board, Side toMove, int cell, int lastOther = -1,
                     int lastOwn = -1) {
  const PolicyWeights& policy = board.policy();
  int order = board.summary(toMove, cell).attack + board.summary(opposite(toMove), cell).defence;
  if (lastOther >= 0) order += policy.nearOtherMove[NearnessOf(lastOther, cell)];
  if (lastOwn >= 0) order += policy.nearOwnMove[NearnessOf(lastOwn, cell)];
  return order;
}

}  // namespace orvane::strong
