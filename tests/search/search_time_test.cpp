#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "platform/clock.hpp"
#include "search/candidate.hpp"
#include "support/candidate_printing.hpp"
#include "support/pattern_map_codes.hpp"
#include "support/search_rig.hpp"

namespace orvane {
namespace {

using testing::PlacedCodes;
using testing::PlaceForSideToMove;
using testing::SearchRig;

// Root searches whose replies sit at the depth limit, so only the root reads the clock: reading r
// is the check after cell r + 1. Cells five apart on one row; codes seen by the own side.

constexpr TimeOfDay TurnStart{13, 5, 42, 378};
constexpr TimeOfDay PastTheLimit{13, 30, 0, 0};

// The clock reads the turn's start until `reading`, and a time past the limit from then on.
void ExpireFromReading(testing::FakeClock& clock, int reading) {
  clock.localAtReading = [reading](int r) { return r < reading ? TurnStart : PastTheLimit; };
}

// Three fours and a three; every reply is left with nothing and reports Undecided.
void PlaceFoursAndThree(SearchRig& rig) {
  PlaceForSideToMove(rig.position.map, 1,
                     {{2, 2, {15}}, {7, 2, {15}}, {12, 2, {15}}, {17, 2, {124}}});
}

CandidateList FoursListFullSearch() {
  CandidateList list;
  list[1] = Candidate{2, 2, 200, 0};
  list[2] = Candidate{7, 2, 200, 0};
  list[3] = Candidate{12, 2, 200, 0};
  list[4] = Candidate{17, 2, 0, 0};
  // No cell has a defence: the best defence record is the best attack and is not merged.
  list[BestDefencePosition] = Candidate{2, 2, 200, 0};
  return list;
}

struct ExpiryCase {
  const char* name;
  int expiredFromReading;
  std::uint64_t nodes;
  int positionsKept;  // leading positions with their scores; the rest keep only their cells

  friend void PrintTo(const ExpiryCase& c, std::ostream* os) { *os << c.name; }
};

class TimeLimitTest : public ::testing::TestWithParam<ExpiryCase> {};

// Untried cells count as left to a likely win of the other side, which is worse than the
// Undecided replies, so they lose their scores and the verdict stays Undecided.
TEST_P(TimeLimitTest, MarksTheUntriedCellsAndStops) {
  const ExpiryCase& c = GetParam();
  SearchRig rig;
  PlaceFoursAndThree(rig);
  ExpireFromReading(rig.clock, c.expiredFromReading);

  const testing::NodeResult result = rig.search(1, 2);

  EXPECT_EQ(result.verdict, Undecided);
  EXPECT_EQ(result.nodes, c.nodes);
  CandidateList expected = FoursListFullSearch();
  for (int position = c.positionsKept + 1; position <= 3; ++position)
    expected[position].clearScores();
  EXPECT_EQ(result.list, expected);
  EXPECT_TRUE(result.positionRestored);
}

INSTANTIATE_TEST_SUITE_P(Readings, TimeLimitTest,
                         ::testing::Values(ExpiryCase{"AfterFirstCell", 0, 2, 1},
                                           ExpiryCase{"AfterSecondCell", 1, 3, 2},
                                           ExpiryCase{"AfterLastCellMarksNothing", 3, 5, 3},
                                           ExpiryCase{"Never", 1000, 5, 3}),
                         [](const ::testing::TestParamInfo<ExpiryCase>& info) {
                           return info.param.name;
                         });

struct MidnightCase {
  const char* name;
  TimeOfDay start;
  std::uint16_t turnLimit;
  TimeOfDay now;
  std::uint64_t nodes;

  friend void PrintTo(const MidnightCase& c, std::ostream* os) { *os << c.name; }
};

class MidnightTest : public ::testing::TestWithParam<MidnightCase> {};

TEST_P(MidnightTest, CountsTheTurnAcrossMidnight) {
  const MidnightCase& c = GetParam();
  SearchRig rig;
  PlaceFoursAndThree(rig);
  rig.startTime = centisecondsOfDay(c.start);
  rig.turnLimit = c.turnLimit;
  rig.clock.local = c.now;

  EXPECT_EQ(rig.search(1, 2).nodes, c.nodes);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, MidnightTest,
    ::testing::Values(
        MidnightCase{"AfterMidnightPastTheLimit", {23, 59, 59, 0}, 100, {0, 0, 5, 0}, 2},
        MidnightCase{"AfterMidnightWithinTheLimit", {23, 59, 59, 0}, 200, {0, 0, 0, 500}, 5},
        MidnightCase{"BeforeMidnightWithinTheLimit", {23, 59, 59, 0}, 100, {23, 59, 59, 500}, 5}),
    [](const ::testing::TestParamInfo<MidnightCase>& info) { return info.param.name; });

TEST(TimeLimitTest, AfterWonRepliesTheNextCellBecomesTheBest) {
  SearchRig rig;
  // Three open fours to block: every reply keeps another one and reports Won.
  PlaceForSideToMove(rig.position.map, 1, {{2, 2, {-62}}, {7, 2, {-62}}, {12, 2, {-62}}});
  ExpireFromReading(rig.clock, 0);

  const testing::NodeResult result = rig.search(1, 2);

  EXPECT_EQ(result.verdict, LikelyLost);
  EXPECT_EQ(result.nodes, 2u);
  CandidateList expected;
  expected[1] = Candidate{7, 2, 0, 700};
  expected[2] = Candidate{12, 2, 0, 700};
  expected[3] = Candidate{12, 2, 0, 0};
  EXPECT_EQ(result.list, expected);
}

TEST(TimeLimitTest, UntriedCellAfterLikelyWonReplyIsNoBetter) {
  // A four-three first (its reply reports LikelyWon), then the two threes to block, whose reply
  // would report Undecided and make them the best cell.
  const std::vector<PlacedCodes> cells{{2, 2, {15, 46}}, {7, 2, {-46, -46}}, {12, 2, {15}}};
  SearchRig fullSearch;
  PlaceForSideToMove(fullSearch.position.map, 1, cells);
  SearchRig cutShort;
  PlaceForSideToMove(cutShort.position.map, 1, cells);
  ExpireFromReading(cutShort.clock, 0);

  const testing::NodeResult full = fullSearch.search(1, 2);
  const testing::NodeResult timedOut = cutShort.search(1, 2);

  EXPECT_EQ(full.verdict, Undecided);
  EXPECT_EQ(full.list[1], (Candidate{7, 2, 0, 238}));
  EXPECT_EQ(timedOut.verdict, LikelyLost);
  EXPECT_EQ(timedOut.list[1], (Candidate{2, 2, 3035 - 108, 0}));
  EXPECT_EQ(timedOut.list[2], (Candidate{7, 2, 0, 0}));
}

}  // namespace
}  // namespace orvane
