#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace orvane::strong {

// Positions where a threat search has already failed, by hash and by the number of the
// attacker's moves it was given: a later search given no more moves fails there at once. A
// fixed number of slots taken once, zeroed by the system as they are first written; a new entry
// overwrites whatever held its slot.
class SolverCache {
 public:
  explicit SolverCache(std::size_t bytes);

  // `key` already names the kind of search (fours alone, or fours and threes) and the attacker.
  bool failed(std::uint64_t key, int moves) const {
    const Slot& slot = slots_.get()[key & mask_];
    return slot.key == key && slot.moves >= moves;
  }
  void storeFailure(std::uint64_t key, int moves) {
    Slot& slot = slots_.get()[key & mask_];
    if (slot.key == key && slot.moves >= moves) return;
    slot = {key, moves};
  }
  void clear();

 private:
  struct Slot {
    std::uint64_t key;
    std::int32_t moves;
  };
  struct Release {
    void operator()(Slot* slots) const { std::free(slots); }
  };
  std::size_t mask_;
  std::unique_ptr<Slot, Release> slots_;
};

}  // namespace orvane::strong
