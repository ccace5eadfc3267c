#include "search/candidate_scan.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "search/search_settings.hpp"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace orvane {

namespace {

// A cell's rank as one number: its total in the high bits, and its scan order below so that of
// two equal totals the cell met first ranks higher. A cell with total 0 ranks below zero and so
// never enters; two cells never share a rank.
constexpr int RankShift = 9;
static_assert(CellCount < (1 << RankShift));

constexpr std::int32_t rankOf(std::int32_t total, int cell) {
  return (total << RankShift) - (cell + 1);
}

constexpr int cellOfRank(std::int32_t rank) {
  return (1 << RankShift) - 1 - (rank & ((1 << RankShift) - 1));
}

// The twelve best ranks so far, best first. Unused positions hold the floor, a rank that every
// cell of the final twelve exceeds.
class Ranking {
 public:
  explicit Ranking(std::int32_t floor) : floor_(floor) { ranks_.fill(floor); }

  std::int32_t entryRank() const { return ranks_[settings::V - 1]; }

  void insert(std::int32_t rank) {
    int position = settings::V - 1;
    for (; position > 0 && ranks_[position - 1] < rank; --position)
      ranks_[position] = ranks_[position - 1];
    ranks_[position] = rank;
  }

  // The cell at ranked position `position` (0-based), or -1 when it is unused.
  int cellAt(int position) const {
    return ranks_[position] > floor_ ? cellOfRank(ranks_[position]) : -1;
  }

 private:
  std::int32_t floor_;
  std::array<std::int32_t, settings::V> ranks_;
};

// The best cell by one score, the other score breaking ties; the first in scan order among full
// ties. Starts as the zero Candidate, which no cell without scores replaces, or below a known
// cell's scores, so that the known cell or an equal one met earlier replaces it.
struct BestRecord {
  int cell = -1;
  std::int32_t first = 0;
  std::int32_t second = 0;

  bool takes(std::int32_t byFirst, std::int32_t bySecond) const {
    return byFirst > first || (byFirst == first && bySecond > second);
  }
  void lowerBound(std::int32_t byFirst, std::int32_t bySecond) {
    if ((byFirst | bySecond) != 0 && takes(byFirst, bySecond)) *this = {-1, byFirst, bySecond - 1};
  }
};

// What the recent cells, scored afresh, tell in advance: a floor below the rank of the twelfth
// cell (at least twelve distinct cells reach it) and lower bounds of the two best records.
struct ScanBounds {
  std::int32_t rankFloor = 0;
  BestRecord attack;
  BestRecord defence;
};

ScanBounds boundsFrom(const SideScores& scores, const RecentCells& recent) {
  ScanBounds bounds;
  // The twelve best distinct ranks among the recent cells, best first.
  std::array<std::int32_t, settings::V> best{};
  for (const auto& scan : recent.cells) {
    for (const std::int16_t cell : scan) {
      if (cell < 0) continue;
      const std::int32_t attack = scores.attack(cell);
      const std::int32_t defence = scores.defence[cell];
      bounds.attack.lowerBound(attack, defence);
      bounds.defence.lowerBound(defence, attack);
      const std::int32_t rank = rankOf(attack + defence, cell);
      // Ranks at or below the twelfth count for nothing; an equal rank is the same cell again.
      if (rank <= best[settings::V - 1] || std::find(best.begin(), best.end(), rank) != best.end())
        continue;
      int position = settings::V - 1;
      for (; position > 0 && best[position - 1] < rank; --position)
        best[position] = best[position - 1];
      best[position] = rank;
    }
  }
  if (best[settings::V - 1] > 0) bounds.rankFloor = best[settings::V - 1] - 1;
  return bounds;
}

// Four cells at a time: four comparisons with the entry thresholds show at once that none of the
// four can enter the ranking or either best record, which holds for most cells.
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

// The entry thresholds as lanes. A cell can only enter the ranking when its total exceeds the
// entry rank's total part; it takes a best record when it wins on the first score, or ties and
// wins on the second: a - (d > tie) > best, with a true comparison counting -1.
struct Thresholds {
  Lanes entryTotal;
  Lanes attack;
  Lanes attackTie;
  Lanes defence;
  Lanes defenceTie;

  Thresholds(const Ranking& ranking, const BestRecord& bestAttack, const BestRecord& bestDefence)
      : entryTotal(splat(ranking.entryRank() >> RankShift)),
        attack(splat(bestAttack.first)),
        attackTie(splat(bestAttack.second)),
        defence(splat(bestDefence.first)),
        defenceTie(splat(bestDefence.second)) {}

  Lanes passes(Lanes attackLanes, Lanes defenceLanes) const {
    return (attackLanes + defenceLanes > entryTotal) |
           (attackLanes - (defenceLanes > attackTie) > attack) |
           (defenceLanes - (attackLanes > defenceTie) > defence);
  }
};

Candidate candidateAt(const SideScores& scores, int cell) {
  if (cell < 0) return Candidate{};
  return Candidate{cell % BoardSide, cell / BoardSide, scores.attack(cell), scores.defence[cell]};
}

AttackLevel attackLevelOf(Lanes attackWords) {
  const std::int32_t words = attackWords[0] | attackWords[1] | attackWords[2] | attackWords[3];
  return static_cast<AttackLevel>(
      std::bit_width(static_cast<std::uint32_t>(words) >> SideScores::LevelFlagShift));
}

void remember(RecentCells& recent, const CandidateList& list) {
  auto& cells = recent.cells[recent.next];
  recent.next = (recent.next + 1) % RecentCells::Scans;
  for (int position = 1; position <= CandidateListSize; ++position) {
    const Candidate& entry = list[position];
    cells[position - 1] = entry.total() > 0 ? static_cast<std::int16_t>(cellIndex(entry.x, entry.y))
                                            : std::int16_t{-1};
  }
}

}  // namespace

AttackLevel ScanCandidates(const CellScores& cellScores, std::uint8_t level, CandidateList& list,
                           RecentCells& recent) {
  const SideScores& scores = cellScores.forLevel(level);
  const ScanBounds bounds = boundsFrom(scores, recent);
  Ranking ranking(bounds.rankFloor);
  BestRecord bestAttack = bounds.attack;    // by attack, then defence
  BestRecord bestDefence = bounds.defence;  // by defence, then attack

  const Lanes attackMask = splat(SideScores::AttackMask);
  Lanes levelWords = splat(0);
  Thresholds thresholds(ranking, bestAttack, bestDefence);
  for (int first = 0; first < CellCount; first += 4) {
    const Lanes attackWords = load(&scores.attackWord[first]);
    levelWords |= attackWords;
    const Lanes attack = attackWords & attackMask;
    const Lanes defence = load(&scores.defence[first]);
    if (!anyLane(thresholds.passes(attack, defence))) continue;

    // At least one of the four may change something: take them one by one in scan order.
    for (int cell = first; cell < first + 4; ++cell) {
      const std::int32_t cellAttack = scores.attack(cell);
      const std::int32_t cellDefence = scores.defence[cell];
      const std::int32_t cellRank = rankOf(cellAttack + cellDefence, cell);
      if (cellRank > ranking.entryRank()) ranking.insert(cellRank);
      if (bestAttack.takes(cellAttack, cellDefence)) bestAttack = {cell, cellAttack, cellDefence};
      if (bestDefence.takes(cellDefence, cellAttack)) bestDefence = {cell, cellDefence, cellAttack};
    }
    thresholds = Thresholds(ranking, bestAttack, bestDefence);
  }

  for (int position = 1; position <= settings::V; ++position)
    list[position] = candidateAt(scores, ranking.cellAt(position - 1));
  list[BestDefencePosition] = candidateAt(scores, bestDefence.cell);
  list[BestAttackPosition] = candidateAt(scores, bestAttack.cell);
  remember(recent, list);
  return attackLevelOf(levelWords);
}

}  // namespace orvane
