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

// The made-up positions below keep their cells five apart on one row, so that a trial stone's
// update never reaches another of them. Codes are seen by the side to move. Every reply sits at
// the depth limit: its verdict follows from what the trial stone leaves on the map.

// A root whose replies each report a known leading attack; the cells come back with their attack
// less the reply's share, and the best total leads.
struct ReductionCase {
  const char* name;
  std::vector<PlacedCodes> cells;
  Verdict verdict;
  Candidate head;

  friend void PrintTo(const ReductionCase& c, std::ostream* os) { *os << c.name; }
};

class ReductionTest : public ::testing::TestWithParam<ReductionCase> {};

TEST_P(ReductionTest, TakesTheReplysShareOffTheTriedCell) {
  const ReductionCase& c = GetParam();
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, 1, c.cells);

  const testing::NodeResult result = rig.search(1, 2);

  EXPECT_EQ(result.verdict, c.verdict);
  EXPECT_EQ(result.list[1], c.head);
  EXPECT_TRUE(result.positionRestored);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReductionTest,
    ::testing::Values(
        // A four-three and two open fours to block: each reply keeps an open four (3200) and
        // takes 1280.
        ReductionCase{"OpenFourTakes1280",
                      {{2, 2, {15, 46}}, {7, 2, {-62}}, {12, 2, {-62}}},
                      Lost,
                      {2, 2, 3035 - 1280, 0}},
        // The second cell, a three (150) with two open fours to block (1400), is left with an
        // attack of 0 and the best total.
        ReductionCase{"AttackNeverBelowZero",
                      {{2, 2, {15, 46}}, {7, 2, {124, -62, -62}}, {12, 2, {-62}}, {17, 2, {-62}}},
                      Lost,
                      {7, 2, 0, 1400}},
        // A four; its reply leads with the other side's four and closed three (207), 82.8
        // rounded to 83.
        ReductionCase{
            "ShareIsRounded", {{2, 2, {15}}, {7, 2, {-15, -7}}}, Undecided, {2, 2, 200 - 83, 0}}),
    [](const ::testing::TestParamInfo<ReductionCase>& info) { return info.param.name; });

// Twelve cells of total 33 (attack 14 and a three to block), then the best defence, the other
// side's three alone (20), and the best attack (21). Each reply leads with a three of 135 or 150
// and takes all of a cell's attack, so the best defence, tried thirteenth from position 13, ends
// with the best total.
TEST(ThirteenthCellTest, BestDefenceIsTriedFromItsOwnPosition) {
  std::vector<PlacedCodes> cells;
  for (int i = 0; i < 12; ++i)
    cells.push_back({2 + 5 * (i % 4), 2 + 5 * (i / 4), {7, 7, -46}});
  cells.push_back({2, 17, {-124}});
  cells.push_back({7, 17, {7, 7, 7}});
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, 1, cells);

  const testing::NodeResult result = rig.search(1, 2);

  EXPECT_EQ(result.nodes, 15u);
  EXPECT_EQ(result.verdict, Undecided);
  EXPECT_EQ(result.list[1], (Candidate{2, 17, 0, 20}));
  EXPECT_TRUE(result.positionRestored);
}

// First tried: a four (200); the reply has nothing and reports Undecided, taking nothing off.
const std::vector<PlacedCodes> UndecidedReply{{2, 2, {15}}, {7, 2, {124}}};
// First tried: a four-three (3035); the reply keeps two threes against a four to block and
// reports LikelyWon, taking 108. The two threes to block are tried second.
const std::vector<PlacedCodes> LikelyWonReply{{2, 2, {15, 46}}, {7, 2, {-46, -46}}, {12, 2, {15}}};
// First tried: a four-three with an open four to block (3735); the reply keeps another open four
// and reports Won, taking 1280.
const std::vector<PlacedCodes> WonReply{{2, 2, {15, 46, -62}}, {7, 2, {-62}}};

// A node of two cells to try, called as a reply itself with the caller's best verdict so far and
// margin. Stopping after the first cell leaves two nodes, going on three.
struct CutoffCase {
  const char* name;
  const std::vector<PlacedCodes>* cells;
  std::uint8_t level;
  Verdict cutoffVerdict;
  std::int32_t sumMargin;
  std::uint64_t nodes;

  friend void PrintTo(const CutoffCase& c, std::ostream* os) { *os << c.name; }
};

class CutoffTest : public ::testing::TestWithParam<CutoffCase> {};

TEST_P(CutoffTest, StopsOnlyWhenTheCallerCannotTakeTheNode) {
  const CutoffCase& c = GetParam();
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, c.level, *c.cells);

  const testing::NodeResult result = rig.search(c.level, c.level + 1, c.cutoffVerdict, c.sumMargin);

  EXPECT_EQ(result.nodes, c.nodes);
  EXPECT_TRUE(result.positionRestored);
}

// The share taken in the tie test is the tried cell's attack after its reply, over 2.5: 80 for the
// four, 1171 for the four-three after 108, 702 for it after 1280.
INSTANTIATE_TEST_SUITE_P(
    Replies, CutoffTest,
    ::testing::Values(
        CutoffCase{"NoReplyYetNeverStops", &UndecidedReply, 2, NoReplyYet, 0, 3},
        CutoffCase{"UndecidedAboveCallersVerdictStops", &UndecidedReply, 2, LikelyLost, 0, 2},
        CutoffCase{"UndecidedBelowCallersVerdictGoesOn", &UndecidedReply, 2, LikelyWon, 0, 3},
        CutoffCase{"UndecidedTieMarginShortStops", &UndecidedReply, 2, Undecided, 79, 2},
        CutoffCase{"UndecidedTieMarginEqualGoesOnAtLevelTwo", &UndecidedReply, 2, Undecided, 80, 3},
        CutoffCase{"UndecidedTieMarginEqualStopsAtLevelThree", &UndecidedReply, 3, Undecided, 80,
                   2},
        CutoffCase{"UndecidedTieMarginAboveGoesOn", &UndecidedReply, 3, Undecided, 81, 3},
        CutoffCase{"LikelyWonTieMarginShortStops", &LikelyWonReply, 2, LikelyLost, 1170, 2},
        CutoffCase{"LikelyWonTieMarginEqualGoesOnAtLevelTwo", &LikelyWonReply, 2, LikelyLost, 1171,
                   3},
        CutoffCase{"LikelyWonTieMarginEqualStopsAtLevelThree", &LikelyWonReply, 3, LikelyLost, 1171,
                   2},
        CutoffCase{"LikelyWonBelowCallersVerdictGoesOn", &LikelyWonReply, 2, Undecided, 0, 3},
        CutoffCase{"WonBelowCallersVerdictGoesOn", &WonReply, 2, LikelyLost, 0, 3},
        CutoffCase{"WonTieMarginShortStops", &WonReply, 2, Lost, 701, 2},
        CutoffCase{"WonTieMarginEqualGoesOnAtLevelTwo", &WonReply, 2, Lost, 702, 3},
        CutoffCase{"WonTieMarginEqualStopsAtLevelThree", &WonReply, 3, Lost, 702, 2}),
    [](const ::testing::TestParamInfo<CutoffCase>& info) { return info.param.name; });

// Three plies: a four with a closed three (207), a four (200), the other side's four (25) and
// three (20). The first reply leaves the root Undecided with 207 - 48 = 159. The second reply,
// given Undecided and the margin 200 - 159 = 41, stops after its first cell, whose share is 47;
// the third, given the margin 25 - 159, stops likewise. Each reply would try three cells
// otherwise.
TEST(ReplyCutoffTest, RepliesGetTheCallersBestVerdictAndMargin) {
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, 1,
                     {{2, 2, {15, 7}}, {7, 2, {15}}, {12, 2, {-15}}, {17, 2, {-124}}});

  const testing::NodeResult result = rig.search(1, 3);

  EXPECT_EQ(result.nodes, 1u + 4u + 2u + 2u);
  EXPECT_EQ(result.verdict, Undecided);
  EXPECT_EQ(result.list[1], (Candidate{2, 2, 159, 0}));
  EXPECT_TRUE(result.positionRestored);
}

}  // namespace
}  // namespace orvane
