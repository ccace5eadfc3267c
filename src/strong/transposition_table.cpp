#include "strong/transposition_table.hpp"

#include <bit>
#include <cstring>
#include <new>
#include <type_traits>

namespace orvane::strong {

namespace {

std::uint64_t pack(const TableEntry& entry) {
  return static_cast<std::uint16_t>(entry.value) |
         static_cast<std::uint64_t>(static_cast<std::uint16_t>(entry.move)) << 16 |
         static_cast<std::uint64_t>(static_cast<std::uint8_t>(entry.depth)) << 32 |
         static_cast<std::uint64_t>(entry.bound) << 40 |
         static_cast<std::uint64_t>(entry.age) << 48;
}

TableEntry unpack(std::uint64_t key, std::uint64_t data) {
  TableEntry entry;
  entry.key = key;
  entry.value = static_cast<std::int16_t>(data & 0xffff);
  entry.move = static_cast<std::int16_t>(data >> 16 & 0xffff);
  entry.depth = static_cast<std::int8_t>(data >> 32 & 0xff);
  entry.bound = static_cast<Bound>(data >> 40 & 0xff);
  entry.age = static_cast<std::uint8_t>(data >> 48 & 0xff);
  return entry;
}

// Each word is read and written whole, so that threads sharing the table never see half a word
// (the compilers' atomic built-ins: the WebAssembly build's library has no std::atomic_ref).
std::uint64_t load(const std::uint64_t& word) {
  return __atomic_load_n(&word, __ATOMIC_RELAXED);
}
void save(std::uint64_t& word, std::uint64_t value) {
  __atomic_store_n(&word, value, __ATOMIC_RELAXED);
}

}  // namespace

TranspositionTable::TranspositionTable(std::size_t bytes) {
  static_assert(sizeof(Slot) == EntryBytes);
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

bool TranspositionTable::find(std::uint64_t key, TableEntry& found) const {
  Bucket& bucket = bucketOf(key);
  for (Slot& slot : bucket.slots) {
    const std::uint64_t data = load(slot.data);
    if ((load(slot.check) ^ data) != key) continue;
    found = unpack(key, data);
    if (found.bound != Bound::None) return true;
  }
  return false;
}

void TranspositionTable::store(std::uint64_t key, std::int16_t value, std::int16_t move, int depth,
                               Bound bound) {
  Bucket& bucket = bucketOf(key);
  // The entry of the same position, else the one worth least: shallow, or left from an earlier
  // turn.
  Slot* replaced = &bucket.slots[0];
  int lowestWorth = 1 << 30;
  for (Slot& slot : bucket.slots) {
    const std::uint64_t data = load(slot.data);
    const TableEntry entry = unpack(load(slot.check) ^ data, data);
    if (entry.key == key) {
      replaced = &slot;
      // A search that found no move keeps the move found before.
      if (move < 0) move = entry.move;
      break;
    }
    const int worth =
        entry.bound == Bound::None ? -1000 : entry.depth - 8 * ((age_ - entry.age) & 0xff);
    if (worth < lowestWorth) {
      lowestWorth = worth;
      replaced = &slot;
    }
  }
  const std::uint64_t data =
      pack(TableEntry{key, value, move, static_cast<std::int8_t>(depth), bound, age_});
  save(replaced->data, data);
  save(replaced->check, key ^ data);
}

}  // namespace orvane::strong
