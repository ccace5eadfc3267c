#include "strong/strong_brain.hpp"

#include <algorithm>

namespace orvane::strong {

namespace {

// The deepest a search goes when no fixed depth is given.
constexpr int DeepestSearch = 60;

}  // namespace

void StrongBrain::setMemory(std::int64_t bytes) {
  const std::size_t memory = bytes <= 0 ? defaultMemory_ : static_cast<std::size_t>(bytes);
  if (memory != memory_) search_.reset();
  memory_ = memory;
}

void StrongBrain::setMaxDepth(std::int64_t plies) {
  maxDepth_ = plies <= 0 ? 0 : static_cast<int>(std::min<std::int64_t>(plies, DeepestSearch));
}

void StrongBrain::setMaxNodes(std::int64_t nodes) {
  maxNodes_ = nodes <= 0 ? 0 : static_cast<std::uint64_t>(nodes);
}

void StrongBrain::setThreads(std::int64_t threads) {
  const int count =
      threads <= 0 ? 1
                   : static_cast<int>(std::min<std::int64_t>(threads, StrongSearch::MaxThreads));
  if (count != threads_) search_.reset();
  threads_ = count;
}

StrongOutcome StrongBrain::play(const Board& board, StrongRequest request, const Clock& clock,
                                IterationListener* listener) {
  // The turn starts before the tables are made: a manager counts that time too, and under Wine
  // the first move's 64 MB cost a few hundred milliseconds.
  const TurnClock turnClock(clock);
  if (!search_) search_ = std::make_unique<StrongSearch>(memory_, threads_);
  request.maxDepth = maxDepth_ > 0 ? maxDepth_ : DeepestSearch;
  request.maxNodes = maxNodes_;
  return PlayStrongTurn(*search_, board, request, turnClock, listener);
}

}  // namespace orvane::strong
