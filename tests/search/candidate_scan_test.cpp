#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <utility>
#include <vector>

#include "patterns/cell_evaluation.hpp"
#include "patterns/pattern_map.hpp"
#include "search/candidate_scan.hpp"
#include "support/candidate_printing.hpp"
#include "support/pattern_map_codes.hpp"
#include "support/random_board.hpp"

namespace orvane {
namespace {

using testing::FourCodes;
using testing::FullyOccupiedMap;
using testing::SetCodes;

// A scan with no recent cells to go by.
AttackLevel Scan(const PatternMap& map, std::uint8_t level, CandidateList& list) {
  RecentCells none;
  return ScanCandidates(CellScores(map).bySide(), level, Ranked::Twelve, list, none);
}

// A list full of leftovers, to show that the scan resets every position.
CandidateList StaleList() {
  CandidateList list;
  for (Candidate& entry : list.entries)
    entry = Candidate{3, 3, 77, 77};
  return list;
}

struct CellScoreCase {
  const char* name;
  std::uint8_t level;
  FourCodes codes;
  std::int32_t attack;
  std::int32_t defence;
  AttackLevel attackLevel;

  friend void PrintTo(const CellScoreCase& c, std::ostream* os) { *os << c.name; }
};

class CellScoreTest : public ::testing::TestWithParam<CellScoreCase> {};

// One scored cell on an otherwise all-zero map: it heads the ranking and is both best records.
TEST_P(CellScoreTest, ScoresTheOnlyCell) {
  const CellScoreCase& c = GetParam();
  PatternMap map;
  SetCodes(map, 6, 9, c.codes);
  CandidateList list = StaleList();

  const AttackLevel attackLevel = Scan(map, c.level, list);

  const Candidate expected{6, 9, c.attack, c.defence};
  EXPECT_EQ(list[1], expected);
  EXPECT_EQ(list[BestDefencePosition], expected);
  EXPECT_EQ(list[BestAttackPosition], expected);
  EXPECT_EQ(attackLevel, c.attackLevel);
  for (int position = 2; position <= 12; ++position)
    EXPECT_EQ(list[position], Candidate{}) << "position " << position;
}

INSTANTIATE_TEST_SUITE_P(
    Counters, CellScoreTest,
    ::testing::Values(
        // Four and three of the side to move: 200 + 135 + ST1, the other side's three 19.
        CellScoreCase{"FourAndThreeOddLevel", 1, {15, 46, -46, 0}, 3035, 19, 2},
        // The same codes with the roles swapped: the four and three are now to be blocked.
        CellScoreCase{"FourAndThreeEvenLevel", 2, {15, 46, -46, 0}, 135, 704, 0},
        CellScoreCase{"TwoThrees", 1, {46, 124, 0, 0}, 285, 0, 1},
        CellScoreCase{"OpenFourCountsNothing", 1, {62, 0, 0, 0}, 3200, 0, 0},
        CellScoreCase{"FourAlone", 1, {15, 0, 0, 0}, 200, 0, 0},
        CellScoreCase{"FourAndTwoThrees", 1, {15, 46, 54, 0}, 3175, 0, 2},
        CellScoreCase{"TwoFours", 1, {15, 23, 0, 0}, 3100, 0, 3},
        CellScoreCase{"TwoFoursAndThree", 1, {15, 23, 46, 0}, 3235, 0, 3},
        CellScoreCase{"SingleThree", 1, {124, 0, 0, 0}, 150, 0, 0},
        CellScoreCase{"TwoThreesEvenLevel", 2, {-46, -54, 0, 0}, 275, 0, 1},
        CellScoreCase{"DefenceCountTen", 1, {-15, 0, 0, 0}, 0, 25, 0},
        CellScoreCase{"DefenceCountEleven", 1, {-15, -46, 0, 0}, 0, 704, 0},
        CellScoreCase{"DefenceCountTwo", 1, {-46, -124, 0, 0}, 0, 239, 0},
        CellScoreCase{"DefenceCountTwenty", 1, {-15, -23, 0, 0}, 0, 710, 0},
        CellScoreCase{"TwoOpenFoursCountNothing", 1, {62, 189, 0, 0}, 6400, 0, 0},
        CellScoreCase{"FiveCountsNothing", 1, {31, 0, 0, 0}, 65000, 0, 0},
        CellScoreCase{"OpenFourAndFourThree", 1, {62, 15, 46, 0}, 6235, 0, 2},
        CellScoreCase{"FiveToBlockCountsNothing", 1, {-31, 0, 0, 0}, 0, 14500, 0},
        CellScoreCase{"SmallShapesBothWays", 1, {7, -3, 5, 0}, 9, 2, 0},
        CellScoreCase{"SmallShapesEvenLevel", 2, {7, -3, 5, 0}, 3, 6, 0}),
    [](const ::testing::TestParamInfo<CellScoreCase>& info) { return info.param.name; });

TEST(CandidateScanTest, AttackLevelIsTheHighestOverTheCells) {
  PatternMap map;
  SetCodes(map, 1, 4, {15, 23, 0, 0});  // two fours
  SetCodes(map, 4, 4, {15, 46, 0, 0});  // four and three
  SetCodes(map, 7, 4, {46, 54, 0, 0});  // two threes
  CandidateList list;
  EXPECT_EQ(Scan(map, 1, list), AttackLevel{3});

  SetCodes(map, 1, 4, {0, 0, 0, 0});
  EXPECT_EQ(Scan(map, 1, list), AttackLevel{2});
}

TEST(CandidateScanTest, SkipsOccupiedCellsWhateverTheirOtherCodes) {
  PatternMap map = FullyOccupiedMap();
  SetCodes(map, 2, 3, {OccupiedMarker, 62, 62, 62});
  SetCodes(map, 9, 3, {OccupiedMarker, -31, 15, 23});
  SetCodes(map, 4, 11, {5000, 15, 46, 0});
  SetCodes(map, 13, 17, {124, 0, 0, 0});
  CandidateList list = StaleList();

  EXPECT_EQ(Scan(map, 1, list), AttackLevel{0});

  const Candidate onlyEmpty{13, 17, 150, 0};
  CandidateList expected;
  expected[1] = onlyEmpty;
  expected[BestDefencePosition] = onlyEmpty;
  expected[BestAttackPosition] = onlyEmpty;
  EXPECT_EQ(list, expected);
}

TEST(CandidateScanTest, NothingToScoreLeavesTheZeroList) {
  for (const PatternMap& map : {PatternMap{}, FullyOccupiedMap()}) {
    CandidateList list = StaleList();
    EXPECT_EQ(Scan(map, 1, list), AttackLevel{0});
    EXPECT_EQ(list, CandidateList{});
  }
}

TEST(CandidateScanTest, ThirteenEqualCellsKeepTheFirstTwelveInScanOrder) {
  PatternMap map;
  std::vector<std::pair<int, int>> scanOrder;
  for (int y = 2; y <= 17; y += 5) {
    for (int x = 2; x <= 17 && scanOrder.size() < 13; x += 5)
      scanOrder.emplace_back(x, y);
  }
  for (auto [x, y] : scanOrder)
    SetCodes(map, x, y, {124, 0, 0, 0});
  CandidateList list;

  Scan(map, 1, list);

  for (int position = 1; position <= 12; ++position) {
    const auto [x, y] = scanOrder[position - 1];
    EXPECT_EQ(list[position], (Candidate{x, y, 150, 0})) << "position " << position;
  }
  const auto [firstX, firstY] = scanOrder.front();
  EXPECT_EQ(list[BestAttackPosition], (Candidate{firstX, firstY, 150, 0}));
  EXPECT_EQ(list[BestDefencePosition], (Candidate{firstX, firstY, 150, 0}));
}

TEST(CandidateScanTest, LaterGreaterTotalGoesAboveSmallerAndBelowEqualOnes) {
  PatternMap map;
  SetCodes(map, 0, 0, {15, 0, 0, 0});  // 200, first in scan order
  for (int x = 1; x <= 11; ++x)
    SetCodes(map, x, 1, {124, 0, 0, 0});  // eleven of 150
  SetCodes(map, 5, 2, {15, 0, 0, 0});     // 200 again, later
  SetCodes(map, 8, 3, {124, 3, 5, 0});    // 155, last
  CandidateList list;

  Scan(map, 1, list);

  EXPECT_EQ(list[1], (Candidate{0, 0, 200, 0}));
  EXPECT_EQ(list[2], (Candidate{5, 2, 200, 0}));
  EXPECT_EQ(list[3], (Candidate{8, 3, 155, 0}));
  for (int position = 4; position <= 12; ++position)
    EXPECT_EQ(list[position], (Candidate{position - 3, 1, 150, 0})) << "position " << position;
}

TEST(CandidateScanTest, BestRecordsBreakTiesOnTheOtherScoreThenScanOrder) {
  PatternMap map;
  SetCodes(map, 1, 1, {124, 0, 0, 0});     // attack 150
  SetCodes(map, 5, 1, {124, -124, 0, 0});  // attack 150, defence 20: the best attack
  SetCodes(map, 9, 1, {124, -124, 0, 0});  // full tie, later
  SetCodes(map, 1, 6, {-15, 0, 0, 0});     // defence 25
  SetCodes(map, 5, 6, {-15, 7, 0, 0});     // defence 25, attack 7: the best defence
  SetCodes(map, 9, 6, {-15, 7, 0, 0});     // full tie, later
  CandidateList list;

  Scan(map, 1, list);

  EXPECT_EQ(list[BestAttackPosition], (Candidate{5, 1, 150, 20}));
  EXPECT_EQ(list[BestDefencePosition], (Candidate{5, 6, 7, 25}));
}

TEST(CandidateScanTest, WithoutAttackTheBestAttackIsTheFirstGreatestDefence) {
  PatternMap map;
  SetCodes(map, 3, 2, {-46, 0, 0, 0});  // 19
  SetCodes(map, 8, 2, {-15, 0, 0, 0});  // 25
  SetCodes(map, 4, 9, {-15, 0, 0, 0});  // 25, later
  CandidateList list;

  Scan(map, 1, list);

  EXPECT_EQ(list[BestAttackPosition], (Candidate{8, 2, 0, 25}));
  EXPECT_EQ(list[BestDefencePosition], (Candidate{8, 2, 0, 25}));
}

// The recent cells only tell the scan where to look first: whatever cells they name, stale,
// repeated, occupied or unscored, the scan finds the same list and attack level. A scan of the
// head alone finds the same head, best records and attack level.
TEST(CandidateScan, RecentCellsNeverChangeTheResult) {
  std::mt19937 rng(31337);
  for (int round = 0; round < 300; ++round) {
    Position position{testing::RandomBoard(rng), {}};
    InitialisePatternMap(position.map, position.board);
    const CellScores scores(position.map);
    const std::uint8_t level = static_cast<std::uint8_t>(1 + round % 2);
    CandidateList expected;
    RecentCells none;
    const AttackLevel expectedLevel =
        ScanCandidates(scores.bySide(), level, Ranked::Twelve, expected, none);

    RecentCells recent;
    for (auto& scan : recent.cells)
      for (std::int16_t& cell : scan)
        cell = static_cast<std::int16_t>(static_cast<int>(rng() % (CellCount + 40)) - 40);
    if (round % 3 == 0) recent.cells[1] = recent.cells[0];  // every cell twice
    CandidateList list;
    EXPECT_EQ(ScanCandidates(scores.bySide(), level, Ranked::Twelve, list, recent), expectedLevel)
        << "round " << round;
    EXPECT_EQ(list, expected) << "round " << round;

    CandidateList head;
    EXPECT_EQ(ScanCandidates(scores.bySide(), level, Ranked::HeadOnly, head, recent), expectedLevel)
        << "round " << round;
    for (int position : {1, BestDefencePosition, BestAttackPosition})
      EXPECT_EQ(head[position], expected[position])
          << "round " << round << ", position " << position;
  }
}

}  // namespace
}  // namespace orvane
