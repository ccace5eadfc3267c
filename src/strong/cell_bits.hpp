#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "patterns/board.hpp"

namespace orvane::strong {

// A set of cells, one bit each, walked in increasing cell index.
class CellBits {
 public:
  static constexpr int WordCount = (CellCount + 63) / 64;

  void add(int cell) { words_[cell >> 6] |= std::uint64_t{1} << (cell & 63); }
  void remove(int cell) { words_[cell >> 6] &= ~(std::uint64_t{1} << (cell & 63)); }

  bool empty() const {
    std::uint64_t any = 0;
    for (std::uint64_t word : words_)
      any |= word;
    return any == 0;
  }
  int count() const {
    int total = 0;
    for (std::uint64_t word : words_)
      total += std::popcount(word);
    return total;
  }
  // The first cell of the set, or -1 for an empty set.
  int first() const {
    for (int word = 0; word < WordCount; ++word) {
      if (words_[word] != 0) return word * 64 + std::countr_zero(words_[word]);
    }
    return -1;
  }

  CellBits& operator|=(const CellBits& other) {
    for (int word = 0; word < WordCount; ++word)
      words_[word] |= other.words_[word];
    return *this;
  }

  template <typename Visit>
  void forEach(Visit visit) const {
    for (int word = 0; word < WordCount; ++word) {
      for (std::uint64_t bits = words_[word]; bits != 0; bits &= bits - 1)
        visit(word * 64 + std::countr_zero(bits));
    }
  }

  friend bool operator==(const CellBits&, const CellBits&) = default;

 private:
  std::array<std::uint64_t, WordCount> words_{};
};

}  // namespace orvane::strong
