#include "strong/solver_cache.hpp"

#include <bit>
#include <cstring>
#include <new>

namespace orvane::strong {

SolverCache::SolverCache(std::size_t bytes) {
  std::size_t count = std::bit_floor(bytes / sizeof(Slot) > 0 ? bytes / sizeof(Slot) : 1);
  for (;;) {
    slots_.reset(static_cast<Slot*>(std::calloc(count, sizeof(Slot))));
    if (slots_ || count == 1) break;
    count /= 2;
  }
  if (!slots_) throw std::bad_alloc();
  mask_ = count - 1;
}

void SolverCache::clear() {
  std::memset(static_cast<void*>(slots_.get()), 0, (mask_ + 1) * sizeof(Slot));
}

}  // namespace orvane::strong
