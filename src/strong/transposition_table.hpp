#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace orvane::strong {

// How a stored value bounds the true one.
enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

// What one search of a position found.
struct TableEntry {
  std::uint64_t key = 0;
  std::int16_t value = 0;
  std::int16_t move = -1;  // the best cell, or -1
  std::int8_t depth = 0;
  Bound bound = Bound::None;
  std::uint8_t age = 0;
};

// The transposition table: positions already searched, by Zobrist hash, in buckets of four
// entries that share a cache line. Its memory is taken once, when it is made, and never while a
// search runs. It is taken zeroed from the system, so that the pages are only mapped in as the
// search first writes them: a large table costs nothing to make.
class TranspositionTable {
 public:
  static constexpr int BucketSize = 4;

  // The largest table of a power-of-two count of buckets within `bytes` (one bucket at least).
  explicit TranspositionTable(std::size_t bytes);

  // Forgets every position.
  void clear();
  // A new turn: entries of earlier turns give way first.
  void startTurn() { ++age_; }

  // The entry of `key`, or nullptr.
  const TableEntry* find(std::uint64_t key) const;
  void store(std::uint64_t key, std::int16_t value, std::int16_t move, int depth, Bound bound);

 private:
  struct Bucket {
    TableEntry entries[BucketSize];
  };
  struct Release {
    void operator()(Bucket* buckets) const { std::free(buckets); }
  };

  Bucket& bucketOf(std::uint64_t key) const { return buckets_.get()[key & (bucketCount_ - 1)]; }

  std::size_t bucketCount_;
  std::unique_ptr<Bucket, Release> buckets_;
  std::uint8_t age_ = 0;
};

}  // namespace orvane::strong
