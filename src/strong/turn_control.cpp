#include "strong/turn_control.hpp"

#include <algorithm>

#include "strong/search_parameters.hpp"

namespace orvane::strong {

void TurnControl::start(const TurnClock& clock, const TurnBudget& budget, std::uint64_t nodeLimit) {
  clock_ = &clock;
  budget_ = budget;
  nodeLimit_ = nodeLimit;
  nodes_ = 0;
  stopLimit_ = budget.maximum;
  phaseLimit_ = -1;
  stopped_ = false;
  phaseOver_ = false;
  stretched_ = false;
  followed_ = nullptr;
}

void TurnControl::follow(const TurnClock& clock, const std::atomic<bool>& stop) {
  start(clock, TurnBudget{}, 0);
  followed_ = &stop;
}

std::int32_t TurnControl::shareOfAim(std::int32_t percent, std::int32_t from) const {
  // In 64 bits: the longest aim times a share overflows 32.
  return static_cast<std::int32_t>(from + std::int64_t{budget_.optimum} * percent / 100);
}

void TurnControl::enter(TurnPhase phase) {
  phaseLimit_ = -1;
  if (budget_.timed()) {
    switch (phase) {
      case TurnPhase::OwnProof:
        phaseLimit_ = shareOfAim(tuning::ProofShare, elapsed());
        break;
      case TurnPhase::Defence:
        phaseLimit_ = shareOfAim(tuning::DefenceShare, 0);
        break;
      case TurnPhase::Deepening:
        stopLimit_ = std::min(budget_.optimum, budget_.maximum);
        break;
    }
  }
  phaseOver_ = phaseLimit_ >= 0 && elapsed() >= phaseLimit_;
}

void TurnControl::stretchToHardLimit() {
  stretched_ = true;
  stopLimit_ = budget_.maximum;
}

bool TurnControl::startNextIteration() const {
  if (stopped_) return false;
  if (nodeLimit_ != 0 && nodes_ >= nodeLimit_) return false;
  if (!budget_.timed()) return true;
  const std::int32_t aim = stretched_ ? budget_.maximum : budget_.optimum;
  return elapsed() < std::int64_t{aim} * tuning::NextIterationShare / 100;
}

void TurnControl::check() {
  if (followed_ != nullptr) {
    stopped_ = followed_->load(std::memory_order_relaxed);
    return;
  }
  const std::int32_t now = elapsed();
  if ((nodeLimit_ != 0 && nodes_ >= nodeLimit_) || (stopLimit_ >= 0 && now >= stopLimit_))
    stopped_ = true;
  if (phaseLimit_ >= 0 && now >= phaseLimit_) phaseOver_ = true;
}

}  // namespace orvane::strong
