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
//
// Searches on several threads share it. An entry is two words, what was found and the key
// mixed with it, each read and written whole; an entry whose words come from two different
// writes no longer matches its key, and reads as absent.
class TranspositionTable {
 public:
  static constexpr int BucketSize = 4;
  static constexpr std::size_t EntryBytes = 16;

  // The largest table of a power-of-two count of buckets within `bytes` (one bucket at least).
  explicit TranspositionTable(std::size_t bytes);

  // Forgets every position.
  void clear();
  // A new turn: entries of earlier turns give way first.
  void startTurn() { ++age_; }

  // Whether the table holds `key`; if so, its entry is in `found`.
  bool find(std::uint64_t key, TableEntry& found) const;
  void store(std::uint64_t key, std::int16_t value, std::int16_t move, int depth, Bound bound);

 private:
  struct Slot {
    std::uint64_t check;  // the key mixed with the data
    std::uint64_t data;   // value, move, depth, bound and age
  };
  struct Bucket {
    Slot slots[BucketSize];
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
