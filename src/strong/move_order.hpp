#pragma once

#include <array>
#include <cstdint>

#include "patterns/board.hpp"
#include "strong/side.hpp"

namespace orvane::strong {

// What earlier nodes teach about ordering quiet moves: the two last cells that cut a node off at
// each ply (killers), and for each side how often a cell has cut off, weighted by depth (history).
class MoveOrder {
 public:
  static constexpr int MaxPly = 128;

  void clear() {
    for (auto& pair : killers_)
      pair = {-1, -1};
    for (auto& side : history_)
      side.fill(0);
  }
  // A new turn: the history fades, the killers of other plies no longer fit.
  void startTurn() {
    for (auto& pair : killers_)
      pair = {-1, -1};
    for (auto& side : history_) {
      for (std::int32_t& count : side)
        count /= 4;
    }
  }

  void recordCutoff(Side side, int ply, int cell, int depth) {
    if (ply < MaxPly && killers_[ply][0] != cell) {
      killers_[ply][1] = killers_[ply][0];
      killers_[ply][0] = static_cast<std::int16_t>(cell);
    }
    std::int32_t& count = history_[sideIndex(side)][cell];
    count += depth * depth;
    if (count > (1 << 20)) {
      for (auto& row : history_) {
        for (std::int32_t& value : row)
          value /= 2;
      }
    }
  }

  // 2 for the first killer, 1 for the second, 0 otherwise.
  int killerRank(int ply, int cell) const {
    if (ply >= MaxPly) return 0;
    if (killers_[ply][0] == cell) return 2;
    return killers_[ply][1] == cell ? 1 : 0;
  }
  std::int32_t history(Side side, int cell) const { return history_[sideIndex(side)][cell]; }

 private:
  std::array<std::array<std::int16_t, 2>, MaxPly> killers_{};
  std::array<std::array<std::int32_t, CellCount>, 2> history_{};
};

}  // namespace orvane::strong
