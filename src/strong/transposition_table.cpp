#include "strong/transposition_table.hpp"

#include <bit>
#include <cstring>
#include <new>
#include <type_traits>

namespace orvane::strong {

TranspositionTable::TranspositionTable(std::size_t bytes) {
  const std::size_t wanted = bytes / sizeof(Bucket);
  bucketCount_ = wanted == 0 ? 1 : std::bit_floor(wanted);
  static_assert(std::is_trivially_copyable_v<Bucket>);
  // A machine that cannot give that much gets the largest table it can.
  for (;;) {
    buckets_.reset(static_cast<Bucket*>(std::calloc(bucketCount_, sizeof(Bucket))));
    if (buckets_ || bucketCount_ == 1) break;
    bucketCount_ /= 2;
  }
  if (!buckets_) throw std::bad_alloc();
}

void TranspositionTable::clear() {
  std::memset(static_cast<void*>(buckets_.get()), 0, bucketCount_ * sizeof(Bucket));
  age_ = 0;
}

const TableEntry* TranspositionTable::find(std::uint64_t key) const {
  const Bucket& bucket = bucketOf(key);
  for (const TableEntry& entry : bucket.entries) {
    if (entry.key == key && entry.bound != Bound::None) return &entry;
  }
  return nullptr;
}

void TranspositionTable::store(std::uint64_t key, std::int16_t value, std::int16_t move, int depth,
                               Bound bound) {
  Bucket& bucket = bucketOf(key);
  // The entry of the same position, else the one worth least: shallow, or left from an earlier
  // turn.
  TableEntry* replaced = &bucket.entries[0];
  int lowestWorth = 1 << 30;
  for (TableEntry& entry : bucket.entries) {
    if (entry.key == key) {
      replaced = &entry;
      // A search that found no move keeps the move found before.
      if (move < 0) move = entry.move;
      break;
    }
    const int worth =
        entry.bound == Bound::None ? -1000 : entry.depth - 8 * ((age_ - entry.age) & 0xff);
    if (worth < lowestWorth) {
      lowestWorth = worth;
      replaced = &entry;
    }
  }
  *replaced = TableEntry{key, value, move, static_cast<std::int8_t>(depth), bound, age_};
}

}  // namespace orvane::strong
