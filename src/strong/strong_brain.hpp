#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "strong/strong_search.hpp"
#include "strong/strong_turn.hpp"

namespace orvane::strong {

// The strong search as a manager's session keeps it: the memory it may take (INFO max_memory,
// 64 MB when none is given; 8 MB in the browser, whose module starts with 16 MB in all), a fixed
// depth or count of nodes for play at a fixed effort (INFO max_depth, max_node), and the search
// itself, made at the first move that needs it and made again only when the memory changes. What it
// learnt stays from game to game: its tables tell positions of different rules apart.
class StrongBrain {
 public:
#ifdef __EMSCRIPTEN__
  static constexpr std::size_t DefaultMemory = std::size_t{8} << 20;
#else
  static constexpr std::size_t DefaultMemory = std::size_t{64} << 20;
#endif

  // 0 or less: the default.
  void setMemory(std::int64_t bytes);
  // 0 or less: no fixed depth or count.
  void setMaxDepth(std::int64_t plies);
  void setMaxNodes(std::int64_t nodes);

  // `request` carries the game and the times; its fixed depth and count are this brain's.
  StrongOutcome play(const Board& board, StrongRequest request, const Clock& clock,
                     IterationListener* listener);

 private:
  std::size_t memory_ = DefaultMemory;
  int maxDepth_ = 0;
  std::uint64_t maxNodes_ = 0;
  std::unique_ptr<StrongSearch> search_;
};

}  // namespace orvane::strong
