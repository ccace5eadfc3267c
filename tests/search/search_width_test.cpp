#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "search/candidate.hpp"
#include "support/candidate_printing.hpp"
#include "support/pattern_map_codes.hpp"
#include "support/search_rig.hpp"

namespace orvane {
namespace {

using testing::PlacedCodes;
using testing::PlaceForSideToMove;
using testing::SearchRig;

// Twelve cells of total 33 (attack 14, defence 19), then the best defence (20) and the best
// attack (21), both ranked below the twelve.
std::vector<PlacedCodes> TwelveAlikeAndBothBestRecords() {
  std::vector<PlacedCodes> cells;
  for (int i = 0; i < 12; ++i)
    cells.push_back({1 + i, 3, {7, 7, -46}});
  cells.push_back({5, 10, {-124}});
  cells.push_back({9, 10, {7, 7, 7}});
  return cells;
}

// How many cells a node tries. Its replies sit at the depth limit and try nothing, so the node
// count is one for the node and one per tried cell, except at a root with at most one cell, which
// searches no reply. Codes are seen by the side to move.
struct WidthCase {
  const char* name;
  std::uint8_t level;
  std::vector<PlacedCodes> cells;
  std::uint64_t nodes;

  friend void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.name; }
};

class SearchWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(SearchWidthTest, TriesTheCellsWorthTrying) {
  const WidthCase& c = GetParam();
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, c.level, c.cells);

  const testing::NodeResult result = rig.search(c.level, c.level + 1);

  EXPECT_EQ(result.nodes, c.nodes);
  EXPECT_TRUE(result.positionRestored);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, SearchWidthTest,
    ::testing::Values(
        // Leading total 12: threshold 2 (1.5 rounded); the cell of total 1 stays out.
        WidthCase{"LeadOfTwelve", 1, {{3, 3, {7, -7}}, {8, 3, {5}}, {13, 3, {-5}}}, 3},
        // Leading total 20: threshold 2 (2.5 rounded to even); the cell of total 2 is tried.
        WidthCase{"LeadOfTwenty", 1, {{3, 3, {7, 7, 3, 3}}, {8, 3, {5}}}, 3},
        // Leading total 4: threshold 0, raised to 1; empty positions are never tried.
        WidthCase{"LeadOfFour", 1, {{3, 3, {3, -5}}, {8, 3, {-5}}}, 3},
        // Leading total 28: threshold 4 (3.5 rounded to even); the cell of total 3 stays out.
        WidthCase{"LeadOfTwentyEight", 1, {{3, 3, {7, 7, 7, 7}}, {8, 3, {5, -3}}, {13, 3, {3}}}, 3},
        WidthCase{"BestDefenceBelowThresholdAppended", 1, {{3, 3, {124}}, {8, 3, {-7}}}, 3},
        WidthCase{
            "BestAttackBelowThresholdAppended", 1, {{3, 3, {-46, -46, -46, -46}}, {8, 3, {7}}}, 3},
        // An open four to block: every total of 200 or more, no lower.
        WidthCase{"OpenFourToBlockTriesFromTwoHundred",
                  1,
                  {{3, 3, {-62}}, {8, 3, {15}}, {13, 3, {124}}},
                  3},
        // An open four to block and no attack of 200: the best attack is not tried either.
        WidthCase{"OpenFourToBlockDropsWeakBestAttack", 1, {{3, 3, {-62}}, {13, 3, {124}}}, 1},
        WidthCase{"FiveToBlockTriesOnlyTheBlock", 2, {{3, 3, {-31}}, {13, 3, {15, 46}}}, 2},
        WidthCase{"TwelveKeptThenBothBestRecords", 1, TwelveAlikeAndBothBestRecords(), 15},
        WidthCase{"SingleCellBelowTheRoot", 2, {{3, 3, {124}}}, 2}),
    [](const ::testing::TestParamInfo<WidthCase>& info) { return info.param.name; });

TEST(RootSearchTest, SingleCellAnswersWithItUnsearched) {
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, 1, {{6, 11, {124, -46}}});

  const testing::NodeResult result = rig.search(1, 10);

  EXPECT_EQ(result.verdict, Undecided);
  EXPECT_EQ(result.nodes, 1u);
  CandidateList expected;
  expected[1] = Candidate{6, 11, 150, 19};
  EXPECT_EQ(result.list, expected);
}

TEST(RootSearchTest, NothingScoredLeavesTheZeroList) {
  SearchRig rig;

  const testing::NodeResult result = rig.search(1, 10);

  EXPECT_EQ(result.verdict, Undecided);
  EXPECT_EQ(result.nodes, 1u);
  EXPECT_EQ(result.list, CandidateList{});
}

}  // namespace
}  // namespace orvane
