#pragma once

#include <cstdint>

#include "platform/clock.hpp"

namespace orvane {

// The run's one source of random draws: a linear congruential generator seeded with the
// milliseconds since UTC midnight.
class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint32_t seed) : seed_(seed) {}

  static RandomGenerator FromUtcTime(const TimeOfDay& utc) {
    return RandomGenerator(static_cast<std::uint32_t>(
        ((utc.hours * 60 + utc.minutes) * 60 + utc.seconds) * 1000 + utc.milliseconds));
  }

  // A value from 0 to n - 1 (n >= 1): the upper half of the 64-bit product of the new seed and n.
  std::uint32_t RandomBelow(std::uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((std::uint64_t{seed_} * n) >> 32);
  }

  std::uint32_t seed() const { return seed_; }

 private:
  std::uint32_t seed_;
};

}  // namespace orvane
