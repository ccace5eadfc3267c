#pragma once

#include <cstdint>

#include "strong/turn_clock.hpp"

namespace orvane::strong {

// When a search must stop: at the turn's hard limit in milliseconds (none when negative), or
// after a number of nodes (none when 0); and when a part of the turn must end. Every stone a search
// tries is a node; the clock is read every 128 nodes, a small fraction of a millisecond, so the
// stop comes right at the limit.
class SearchControl {
 public:
  void start(const TurnClock& clock, std::int32_t hardLimit, std::uint64_t nodeLimit) {
    clock_ = &clock;
    hardLimit_ = hardLimit;
    nodeLimit_ = nodeLimit;
    nodes_ = 0;
    stopped_ = false;
    phaseLimit_ = -1;
    phaseOver_ = false;
  }

  // A softer limit for one part of the turn (the root's proofs), in milliseconds from the
  // turn's start; none when negative. Reaching it ends that part alone.
  void setPhaseLimit(std::int32_t limit) {
    phaseLimit_ = limit;
    phaseOver_ = limit >= 0 && clock_->elapsed() >= limit;
  }
  bool phaseOver() const { return phaseOver_ || stopped_; }

  void countNode() {
    ++nodes_;
    if ((nodes_ & 127) == 0) check();
  }
  bool stopped() const { return stopped_; }
  std::uint64_t nodes() const { return nodes_; }
  std::int32_t elapsed() const { return clock_->elapsed(); }

 private:
  void check() {
    const std::int32_t elapsed = clock_->elapsed();
    if ((nodeLimit_ != 0 && nodes_ >= nodeLimit_) || (hardLimit_ >= 0 && elapsed >= hardLimit_))
      stopped_ = true;
    if (phaseLimit_ >= 0 && elapsed >= phaseLimit_) phaseOver_ = true;
  }

  const TurnClock* clock_ = nullptr;
  std::int32_t hardLimit_ = -1;
  std::uint64_t nodeLimit_ = 0;
  std::uint64_t nodes_ = 0;
  bool stopped_ = false;
  std::int32_t phaseLimit_ = -1;
  bool phaseOver_ = false;
};

}  // namespace orvane::strong
