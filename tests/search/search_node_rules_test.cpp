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

// Nodes that answer from their scan alone: decided by a rule, at the depth limit, or a root with
// a single cell worth trying. Codes are seen by the side to move; the board stays empty since no
// trial stone is ever placed.
struct ImmediateCase {
  const char* name;
  std::uint8_t level;
  std::uint8_t searchDepth;
  std::vector<PlacedCodes> cells;
  Verdict verdict;
  int headX;
  int headY;

  friend void PrintTo(const ImmediateCase& c, std::ostream* os) { *os << c.name; }
};

class ImmediateVerdictTest : public ::testing::TestWithParam<ImmediateCase> {};

TEST_P(ImmediateVerdictTest, DecidesWithoutTryingACell) {
  const ImmediateCase& c = GetParam();
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, c.level, c.cells);

  const testing::NodeResult result = rig.search(c.level, c.searchDepth);

  EXPECT_EQ(result.verdict, c.verdict);
  EXPECT_EQ(result.nodes, 1u);
  EXPECT_EQ(result.list[1].x, c.headX);
  EXPECT_EQ(result.list[1].y, c.headY);
}

constexpr int Ax = 4, Ay = 4;    // the cell of the side to move's shapes
constexpr int Bx = 12, By = 12;  // a cell holding a five of the other side

INSTANTIATE_TEST_SUITE_P(
    Rules, ImmediateVerdictTest,
    ::testing::Values(
        ImmediateCase{
            "FiveWinsOverFiveToBlock", 1, 10, {{Ax, Ay, {31}}, {Bx, By, {-31}}}, Won, Ax, Ay},
        ImmediateCase{"FiveWinsAtEvenLevel", 2, 10, {{Ax, Ay, {31}}, {Bx, By, {-31}}}, Won, Ax, Ay},
        ImmediateCase{"OpenFourWins", 3, 10, {{Ax, Ay, {62}}}, Won, Ax, Ay},
        ImmediateCase{"OpenFourYieldsToFiveToBlock",
                      1,
                      10,
                      {{Ax, Ay, {62}}, {Bx, By, {-31}}},
                      Undecided,
                      Bx,
                      By},
        ImmediateCase{"TwoFoursAgainstFourWin", 1, 10, {{Ax, Ay, {15, 23, -15}}}, Won, Ax, Ay},
        ImmediateCase{"TwoFoursYieldToFiveToBlock",
                      1,
                      10,
                      {{Ax, Ay, {15, 23}}, {Bx, By, {-31}}},
                      Undecided,
                      Bx,
                      By},
        // Two threes against a defence of 24 (a three and a split two of the other side).
        ImmediateCase{
            "TwoThreesAgainstNoFourWin", 3, 10, {{Ax, Ay, {46, 46, -124, -38}}}, Won, Ax, Ay},
        ImmediateCase{"FourThreeAgainstNoFourWins", 2, 10, {{Ax, Ay, {15, 46}}}, Won, Ax, Ay},
        ImmediateCase{
            "TwoThreesAgainstFourBelowLimit", 1, 10, {{Ax, Ay, {46, 46, -15}}}, Undecided, Ax, Ay},
        ImmediateCase{
            "TwoThreesAgainstFourAtLimit", 4, 4, {{Ax, Ay, {46, 46, -15}}}, LikelyWon, Ax, Ay},
        ImmediateCase{
            "TwoThreesAgainstOpenFourAtLimit", 4, 4, {{Ax, Ay, {46, 46, -62}}}, Undecided, Ax, Ay},
        // The ranking leads with the other side's threes; a likely win leads with the best attack.
        ImmediateCase{"LikelyWinLeadsWithBestAttack",
                      4,
                      4,
                      {{Ax, Ay, {46, 46}}, {Bx, By, {-124, -124, -124, -124}}},
                      LikelyWon,
                      Ax,
                      Ay},
        ImmediateCase{"FourThreeAgainstOpenFoursAtLimit",
                      2,
                      2,
                      {{Ax, Ay, {15, 46, -62, -62}}},
                      LikelyWon,
                      Ax,
                      Ay},
        ImmediateCase{"FourThreeAgainstFiveAtLimit",
                      2,
                      2,
                      {{Ax, Ay, {15, 46}}, {Bx, By, {-31}}},
                      Undecided,
                      Bx,
                      By},
        ImmediateCase{"FourThreeAgainstOpenFourBelowLimit",
                      1,
                      10,
                      {{Ax, Ay, {15, 46, -62}}},
                      Undecided,
                      Ax,
                      Ay},
        ImmediateCase{"SingleThreeAtLimit", 3, 3, {{Ax, Ay, {124, -124}}}, Undecided, Ax, Ay}),
    [](const ::testing::TestParamInfo<ImmediateCase>& info) { return info.param.name; });

TEST(DecidedNodeTest, KeepsBothBestRecordsAndClearsLesserScores) {
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, 1, {{Ax, Ay, {31}}, {Bx, By, {-31}}});

  const testing::NodeResult result = rig.search(1, 10);

  CandidateList expected;
  expected[1] = Candidate{Ax, Ay, 65000, 0};
  expected[2] = Candidate{Bx, By, 0, 0};
  expected[BestDefencePosition] = Candidate{Bx, By, 0, 14500};
  expected[BestAttackPosition] = Candidate{Ax, Ay, 65000, 0};
  EXPECT_EQ(result.list, expected);
}

TEST(DecidedNodeTest, KeepsEveryPositionReachingTheTotalOfTheNewHead) {
  SearchRig rig;
  PlaceForSideToMove(rig.position.map, 1,
                     {{4, 4, {46, 46}},                  // two threes: 270, the best attack
                      {9, 4, {-124, -124, -124, -124}},  // 280 to block, the best defence
                      {14, 4, {-124, -124, -124, -46}},  // 279 to block
                      {4, 9, {124}}});                   // 150

  const testing::NodeResult result = rig.search(1, 1);

  ASSERT_EQ(result.verdict, LikelyWon);
  CandidateList expected;
  expected[1] = Candidate{4, 4, 270, 0};
  expected[2] = Candidate{14, 4, 0, 279};
  expected[3] = Candidate{4, 4, 270, 0};
  expected[4] = Candidate{4, 9, 0, 0};
  expected[BestDefencePosition] = Candidate{9, 4, 0, 280};
  expected[BestAttackPosition] = Candidate{4, 4, 270, 0};
  EXPECT_EQ(result.list, expected);
}

}  // namespace
}  // namespace orvane
