#include "strong/solver_cache.hpp"

#include <bit>
#include <new>

namespace orvane::strong {

SolverCache::SolverCache(std::size_t bytes) {
  std::size_t count = std::bit_floor(bytes / sizeof(Slot) > 0 ? bytes / sizeof(Slot) : 1);
  while (count > 1) {
    slots_.reset(new (std::nothrow) Slot[count]);
    if (slots_) break;
    count /= 2;
  }
  if (!slots_) slots_.reset(new Slot[1]);
  mask_ = count - 1;
}

void SolverCache::clear() {
  for (std::size_t slot = 0; slot <= mask_; ++slot)
    slots_[slot] = Slot{};
}

}  // namespace orvane::strong
