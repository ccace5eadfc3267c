#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "patterns/board.hpp"

namespace orvane::strong {

// Cells to try at one node, each with the score that orders it; fixed capacity, so that a node
// allocates nothing.
class MoveList {
 public:
  void clear() { size_ = 0; }
  // Adds the cell unless it is there already.
  void add(int cell, std::int32_t score = 0) {
    for (int i = 0; i < size_; ++i) {
      if (cells_[i] == cell) return;
    }
    cells_[size_] = static_cast<std::int16_t>(cell);
    scores_[size_] = score;
    ++size_;
  }
  // Adds a cell known not to be there.
  void push(int cell, std::int32_t score) {
    cells_[size_] = static_cast<std::int16_t>(cell);
    scores_[size_] = score;
    ++size_;
  }
  int size() const { return size_; }
  bool empty() const { return size_ == 0; }
  int cell(int i) const { return cells_[i]; }
  std::int32_t score(int i) const { return scores_[i]; }
  void setScore(int i, std::int32_t score) { scores_[i] = score; }

  // Brings the best-scored of positions i onwards to position i (the first of equals stays).
  void bringBest(int i) {
    int best = i;
    for (int j = i + 1; j < size_; ++j) {
      if (scores_[j] > scores_[best]) best = j;
    }
    std::swap(cells_[i], cells_[best]);
    std::swap(scores_[i], scores_[best]);
  }
  // Keeps the `count` best-scored cells, in order of score.
  void keepBest(int count) {
    for (int i = 0; i < size_ && i < count; ++i)
      bringBest(i);
    if (size_ > count) size_ = count;
  }
  // Takes out the cells `drop` says to.
  template <typename Drop>
  void removeIf(Drop drop) {
    int kept = 0;
    for (int i = 0; i < size_; ++i) {
      if (drop(cells_[i])) continue;
      cells_[kept] = cells_[i];
      scores_[kept] = scores_[i];
      ++kept;
    }
    size_ = kept;
  }

 private:
  std::array<std::int16_t, CellCount> cells_;
  std::array<std::int32_t, CellCount> scores_;
  int size_ = 0;
};

}  // namespace orvane::strong
