#pragma once

#include <atomic>
#include <cstdint>

#include "strong/time_plan.hpp"
#include "strong/turn_clock.hpp"

namespace orvane::strong {

// The parts of a turn, in the order they come: the proof of a win of one's own by fours and
// threes, the search for the moves that stop the other side's, and the deepening alpha-beta
// search.
enum class TurnPhase : std::uint8_t { OwnProof, Defence, Deepening };

// The turn's clock and effort: when each phase ends, when the whole search stops, and whether
// a finished iteration leaves time for another. Every stone a search tries is a node; the clock
// is read every 128 nodes, a small fraction of a millisecond, so that a stop comes right at its
// limit.
//
// The proofs end at their share of the aim. The deepening stops at the aim, or at the hard
// limit once the move has proved hard (its best move changed or its value fell). A search of a
// fixed count of nodes stops there, and an untimed one only when it is done.
class TurnControl {
 public:
  void start(const TurnClock& clock, const TurnBudget& budget, std::uint64_t nodeLimit);
  // A helper thread's search stops when `stop` is set, and by nothing else.
  void follow(const TurnClock& clock, const std::atomic<bool>& stop);

  void enter(TurnPhase phase);
  // The phase has reached its end (or the search has stopped).
  bool phaseOver() const { return phaseOver_ || stopped_; }
  // The move is hard: the deepening may go on to the hard limit.
  void stretchToHardLimit();
  // After an iteration finished: whether the next one is worth starting.
  bool startNextIteration() const;

  void countNode() {
    ++nodes_;
    if ((nodes_ & 127) == 0) check();
  }
  bool stopped() const { return stopped_; }
  std::uint64_t nodes() const { return nodes_; }
  std::int32_t elapsed() const { return clock_->elapsed(); }
  const TurnBudget& budget() const { return budget_; }

 private:
  void check();
  // `percent` of the aim after `from`, in ms from the turn's start.
  std::int32_t shareOfAim(std::int32_t percent, std::int32_t from) const;

  const TurnClock* clock_ = nullptr;
  TurnBudget budget_;
  std::uint64_t nodeLimit_ = 0;
  std::uint64_t nodes_ = 0;
  std::int32_t stopLimit_ = -1;   // ms from the turn's start; none when negative
  std::int32_t phaseLimit_ = -1;  // the same for the phase's end
  bool stopped_ = false;
  bool phaseOver_ = false;
  bool stretched_ = false;
  const std::atomic<bool>* followed_ = nullptr;
};

}  // namespace orvane::strong
