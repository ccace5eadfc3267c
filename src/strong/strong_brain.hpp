#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "strong/strong_search.hpp"
#include "strong/strong_turn.hpp"

namespace orvane::strong {

// The strong search as a manager's session keeps it: the memory it may take (INFO max_memory,
// else the default its program gives: 64 MB, or less where memory is scarce), a fixed
// depth or count of nodes for play at a fixed effort (INFO max_depth, max_node), how many threads
// search (INFO thread_num), and the search itself, made at the first move that needs it and made
// again only when the memory changes. What it learnt stays from game to game: its tables tell
// positions of different rules apart.
class StrongBrain {
 public:
  static constexpr std::size_t DefaultMemory = std::size_t{64} << 20;

  explicit StrongBrain(std::size_t defaultMemory = DefaultMemory)
      : defaultMemory_(defaultMemory), memory_(defaultMemory) {}

  // 0 or less: the default.
  void setMemory(std::int64_t bytes);
  // 0 or less: no fixed depth or count.
  void setMaxDepth(std::int64_t plies);
  void setMaxNodes(std::int64_t nodes);
  // How many threads search together (INFO thread_num), 1 to StrongSearch::MaxThreads; 0 or
  // less: one.
  void setThreads(std::int64_t threads);

  // `request` carries the game and the times; its fixed depth and count are this brain's.
  StrongOutcome play(const Board& board, StrongRequest request, const Clock& clock,
                     IterationListener* listener);

 private:
  std::size_t defaultMemory_;
  std::size_t memory_;
  int maxDepth_ = 0;
  std::uint64_t maxNodes_ = 0;
  int threads_ = 1;
  std::unique_ptr<StrongSearch> search_;
};

}  // namespace orvane::strong
