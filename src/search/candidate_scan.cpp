#include "search/candidate_scan.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

#include "search/search_settings.hpp"

#ifdef __SSE2__
#include <emmintrin.h>
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace orvane {

namespace {

// A cell's place in scan order as a number that is greater for the cell met first.
constexpr int OrderBits = 9;
static_assert(CellCount < (1 << OrderBits));

constexpr std::int32_t scanPriority(int cell) {
  return (1 << OrderBits) - 1 - cell;
}

// A cell's rank as one number: its total above its scan priority, so that of two equal totals the
// cell met first ranks higher. A cell with total 0 ranks below zero and so never enters; two
// cells never share a rank, so the twelve best do not depend on the order cells are taken in.
constexpr std::int32_t rankOf(std::int32_t total, int cell) {
  return (total << OrderBits) - (cell + 1);
}

constexpr int cellOfRank(std::int32_t rank) {
  return scanPriority(rank & ((1 << OrderBits) - 1));
}

// The `Size` best ranks so far, best first, below a sentinel that stops every insertion; 0 for
// an unused position.
template <int Size>
class Ranking {
 public:
  std::int32_t entryRank() const { return ranks_[Size]; }

  // An insertion starts below the last used position, so it never walks through unused ones.
  void insert(std::int32_t rank) {
    int position = used_ < Size ? ++used_ : Size;
    for (; ranks_[position - 1] < rank; --position)
      ranks_[position] = ranks_[position - 1];
    ranks_[position] = rank;
  }

  // The cell at ranked position `position` (1 to Size), or -1 when it is unused.
  int cellAt(int position) const {
    return ranks_[position] > 0 ? cellOfRank(ranks_[position]) : -1;
  }

 private:
  std::array<std::int32_t, Size + 1> ranks_{std::numeric_limits<std::int32_t>::max()};
  int used_ = 0;
};

// The best cell by one score, then the other score, then scan order. `tieKey` holds the second
// score above the scan priority, so that the best does not depend on the order cells are taken
// in. Starts as the zero Candidate, which no cell without scores replaces.
struct BestRecord {
  int cell = -1;
  std::int32_t first = 0;
  std::int32_t tieKey = (1 << OrderBits) - 1;

  void consider(int byCell, std::int32_t byFirst, std::int32_t bySecond) {
    const std::int32_t byTieKey = bySecond << OrderBits | scanPriority(byCell);
    if (byFirst > first || (byFirst == first && byTieKey > tieKey))
      *this = {byCell, byFirst, byTieKey};
  }
};

// The ranking and the two best records of one scan.
template <int RankedCount>
struct ScanResult {
  Ranking<RankedCount> ranking;
  BestRecord attack;   // by attack, then defence
  BestRecord defence;  // by defence, then attack

  void consider(const SideScores& scores, int cell) {
    const std::int32_t attack = scores.attack(cell);
    const std::int32_t defence = scores.defence[cell];
    const std::int32_t rank = rankOf(attack + defence, cell);
    if (rank > ranking.entryRank()) ranking.insert(rank);
    this->attack.consider(cell, attack, defence);
    this->defence.consider(cell, defence, attack);
  }

  // A cell can change something only when its total exceeds the total part of the entry rank, or
  // reaches the first score of a best record (its total is at least that score): one total below
  // all three thresholds rules it out.
  std::int32_t totalThreshold() const {
    return std::min({ranking.entryRank() >> OrderBits, attack.first - 1, defence.first - 1});
  }
};

// The cells taken already, one bit each.
class CellSet {
 public:
  // Adds the cell; false when it was there.
  bool add(int cell) {
    const std::uint64_t bit = std::uint64_t{1} << (cell % 64);
    if ((words_[cell / 64] & bit) != 0) return false;
    words_[cell / 64] |= bit;
    return true;
  }
  bool contains(int cell) const { return (words_[cell / 64] >> (cell % 64) & 1) != 0; }

 private:
  std::array<std::uint64_t, (CellCount + 63) / 64> words_{};
};

// Cells in groups of four: their attack words plus their defences against the total threshold.
// The attack words still carry their level flags here, which only lets the few cells with an
// attack level through to the exact test.
using Lanes = std::int32_t __attribute__((vector_size(16)));

Lanes load(const std::int32_t* values) {
  Lanes lanes;
  std::memcpy(&lanes, values, sizeof lanes);
  return lanes;
}

Lanes splat(std::int32_t value) {
  return Lanes{value, value, value, value};
}

// Bit i set for each lane i whose mask is set.
unsigned laneBits(Lanes mask) {
#ifdef __SSE2__
  return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(reinterpret_cast<__m128i>(mask))));
#elif defined(__wasm_simd128__)
  // One instruction in WebAssembly, where the lane-by-lane fallback costs four extractions.
  return static_cast<unsigned>(wasm_i32x4_bitmask(mask));
#else
  return (mask[0] & 1u) | (mask[1] & 2u) | (mask[2] & 4u) | (mask[3] & 8u);
#endif
}

// Column and row of every cell.
constexpr std::array<std::array<std::int8_t, 2>, CellCount> CellCoordinates = [] {
  std::array<std::array<std::int8_t, 2>, CellCount> coordinates{};
  for (int cell = 0; cell < CellCount; ++cell)
    coordinates[cell] = {static_cast<std::int8_t>(cell % BoardSide),
                         static_cast<std::int8_t>(cell / BoardSide)};
  return coordinates;
}();

Candidate candidateAt(const SideScores& scores, int cell) {
  if (cell < 0) return Candidate{};
  return Candidate{CellCoordinates[cell][0], CellCoordinates[cell][1], scores.attack(cell),
                   scores.defence[cell]};
}

AttackLevel attackLevelOf(Lanes attackWords) {
  const std::int32_t words = attackWords[0] | attackWords[1] | attackWords[2] | attackWords[3];
  return static_cast<AttackLevel>(
      std::bit_width(static_cast<std::uint32_t>(words) >> SideScores::LevelFlagShift));
}

// The scan proper, filling `RankedCount` ranked positions.
template <int RankedCount>
AttackLevel scan(const SideScores& scores, int side, CandidateList& list, RecentCells& recent) {
  ScanResult<RankedCount> result;

  // The recent cells first: they set high thresholds at once, so that most cells after them are
  // ruled out eight at a time. The cells of the last scan for the same side come nearly in rank
  // order, which keeps their insertions short.
  CellSet taken;
  for (const RecentCells::ScanCells* scan : {&recent.cells[side], &recent.cells[1 - side]}) {
    for (const std::int16_t cell : *scan) {
      if (cell >= 0 && taken.add(cell)) result.consider(scores, cell);
    }
  }

  // Eight cells at a time, as two groups of four: one test rules out both groups together.
  Lanes levelWords = splat(0);
  Lanes threshold = splat(result.totalThreshold());
  for (int first = 0; first < CellCount; first += 8) {
    const Lanes lowWords = load(&scores.attackWord[first]);
    const Lanes highWords = load(&scores.attackWord[first + 4]);
    levelWords |= lowWords | highWords;
    const Lanes lowPasses = lowWords + load(&scores.defence[first]) > threshold;
    const Lanes highPasses = highWords + load(&scores.defence[first + 4]) > threshold;
    if (laneBits(lowPasses | highPasses) == 0) continue;
    for (unsigned lanes = laneBits(lowPasses) | laneBits(highPasses) << 4; lanes != 0;
         lanes &= lanes - 1) {
      const int cell = first + std::countr_zero(lanes);
      if (!taken.contains(cell)) result.consider(scores, cell);
    }
    threshold = splat(result.totalThreshold());
  }

  for (int position = 1; position <= settings::V; ++position) {
    list[position] = position <= RankedCount ? candidateAt(scores, result.ranking.cellAt(position))
                                             : Candidate{};
  }
  list[BestDefencePosition] = candidateAt(scores, result.defence.cell);
  list[BestAttackPosition] = candidateAt(scores, result.attack.cell);
  if constexpr (RankedCount == settings::V) {
    // Only a whole ranking is worth remembering for the next scans.
    RecentCells::ScanCells& listed = recent.cells[side];
    for (int position = 1; position <= settings::V; ++position)
      listed[position - 1] = static_cast<std::int16_t>(result.ranking.cellAt(position));
    listed[BestDefencePosition - 1] = static_cast<std::int16_t>(result.defence.cell);
    listed[BestAttackPosition - 1] = static_cast<std::int16_t>(result.attack.cell);
  }
  return attackLevelOf(levelWords);
}

}  // namespace

AttackLevel ScanCandidates(const std::array<SideScores, 2>& scores, std::uint8_t level,
                           Ranked ranked, CandidateList& list, RecentCells& recent) {
  const int side = level % 2 == 1 ? 0 : 1;
  if (ranked == Ranked::HeadOnly) return scan<1>(scores[side], side, list, recent);
  return scan<settings::V>(scores[side], side, list, recent);
}

}  // namespace orvane
