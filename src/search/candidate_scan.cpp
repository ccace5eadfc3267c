#include "search/candidate_scan.hpp"

#include <array>
#include <bit>
#include <cstring>

#include "search/search_settings.hpp"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace orvane {

namespace {

// Four cells at a time. Most cells can take no part in the ranking or the best records, and four
// comparisons against the entry thresholds show that for four cells at once.
using Lanes = std::int32_t __attribute__((vector_size(16)));

Lanes load(const std::int32_t* values) {
  Lanes lanes;
  std::memcpy(&lanes, values, sizeof lanes);
  return lanes;
}

Lanes splat(std::int32_t value) {
  return Lanes{value, value, value, value};
}

bool anyLane(Lanes mask) {
#ifdef __SSE2__
  return _mm_movemask_epi8(reinterpret_cast<__m128i>(mask)) != 0;
#else
  return (mask[0] | mask[1] | mask[2] | mask[3]) != 0;
#endif
}

// A cell's rank as one number: its total in the high bits, and its scan order below so that of
// two equal totals the cell met first ranks higher. Cells with total 0 rank below zero and so
// never enter.
constexpr int RankShift = 9;
static_assert(CellCount < (1 << RankShift));

// The twelve best ranks so far, best first; 0 for an unused position.
class Ranking {
 public:
  std::int32_t entryRank() const { return ranks_[settings::V - 1]; }

  void insert(std::int32_t rank) {
    int position = settings::V - 1;
    for (; position > 0 && ranks_[position - 1] < rank; --position)
      ranks_[position] = ranks_[position - 1];
    ranks_[position] = rank;
  }

  // The cell at ranked position `position` (0-based), or -1 when it is unused.
  int cellAt(int position) const {
    const std::int32_t rank = ranks_[position];
    return rank > 0 ? (1 << RankShift) - 1 - (rank & ((1 << RankShift) - 1)) : -1;
  }

 private:
  std::array<std::int32_t, settings::V> ranks_{};
};

// The best cell by one score, the other score breaking ties; the first in scan order among full
// ties. Starts as the zero Candidate, which no cell without scores replaces.
struct BestRecord {
  int cell = -1;
  std::int32_t first = 0;
  std::int32_t second = 0;

  bool takes(std::int32_t byFirst, std::int32_t bySecond) const {
    return byFirst > first || (byFirst == first && bySecond > second);
  }
};

Candidate candidateAt(const SideScores& scores, int cell) {
  if (cell < 0) return Candidate{};
  return Candidate{cell % BoardSide, cell / BoardSide, scores.attack[cell], scores.defence[cell]};
}

AttackLevel attackLevelOf(const SideScores& scores) {
  std::uint64_t flags = 0;
  for (int first = 0; first < CellCount; first += 8) {
    std::uint64_t eight;
    std::memcpy(&eight, &scores.levelFlags[first], sizeof eight);
    flags |= eight;
  }
  flags |= flags >> 32;
  flags |= flags >> 16;
  flags |= flags >> 8;
  return static_cast<AttackLevel>(std::bit_width(flags & 0xff));
}

}  // namespace

AttackLevel ScanCandidates(const CellScores& cellScores, std::uint8_t level, CandidateList& list) {
  const SideScores& scores = cellScores.forLevel(level);
  Ranking ranking;
  BestRecord bestAttack;   // by attack, then defence
  BestRecord bestDefence;  // by defence, then attack

  Lanes entryRank = splat(0);
  Lanes attackToBeat = splat(0);
  Lanes attackTieDefence = splat(0);
  Lanes defenceToBeat = splat(0);
  Lanes defenceTieAttack = splat(0);
  Lanes cellNumber{1, 2, 3, 4};
  for (int first = 0; first < CellCount; first += 4) {
    const Lanes attack = load(&scores.attack[first]);
    const Lanes defence = load(&scores.defence[first]);
    const Lanes rank = ((attack + defence) << RankShift) - cellNumber;
    cellNumber += 4;
    const Lanes enters = (rank > entryRank) | (attack > attackToBeat) |
                         ((attack == attackToBeat) & (defence > attackTieDefence)) |
                         (defence > defenceToBeat) |
                         ((defence == defenceToBeat) & (attack > defenceTieAttack));
    if (!anyLane(enters)) continue;

    // At least one of the four changes something: take them one by one in scan order.
    for (int cell = first; cell < first + 4; ++cell) {
      const std::int32_t cellAttack = scores.attack[cell];
      const std::int32_t cellDefence = scores.defence[cell];
      const std::int32_t cellRank = ((cellAttack + cellDefence) << RankShift) - (cell + 1);
      if (cellRank > ranking.entryRank()) ranking.insert(cellRank);
      if (bestAttack.takes(cellAttack, cellDefence)) bestAttack = {cell, cellAttack, cellDefence};
      if (bestDefence.takes(cellDefence, cellAttack)) bestDefence = {cell, cellDefence, cellAttack};
    }
    entryRank = splat(ranking.entryRank());
    attackToBeat = splat(bestAttack.first);
    attackTieDefence = splat(bestAttack.second);
    defenceToBeat = splat(bestDefence.first);
    defenceTieAttack = splat(bestDefence.second);
  }

  for (int position = 1; position <= settings::V; ++position)
    list[position] = candidateAt(scores, ranking.cellAt(position - 1));
  list[BestDefencePosition] = candidateAt(scores, bestDefence.cell);
  list[BestAttackPosition] = candidateAt(scores, bestAttack.cell);
  return attackLevelOf(scores);
}

}  // namespace orvane
