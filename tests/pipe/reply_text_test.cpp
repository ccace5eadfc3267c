#include <gtest/gtest.h>

#include <map>
#include <string>

#include "pipe/reply_text.hpp"

namespace orvane::pipe {
namespace {

struct CandidatesCase {
  const char* name;
  std::map<int, Candidate> positions;  // the rest hold the zero Candidate
  std::string expected;
};

class CandidatesMessageTest : public ::testing::TestWithParam<CandidatesCase> {};

TEST_P(CandidatesMessageTest, NamesEachCellInPlayOnceInListOrder) {
  CandidateList list;
  for (const auto& [position, candidate] : GetParam().positions)
    list[position] = candidate;
  EXPECT_EQ(CandidatesMessage(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RootLists, CandidatesMessageTest,
    ::testing::Values(
        CandidatesCase{"Empty", {}, "MESSAGE candidates"},
        CandidatesCase{"RankedCellsThenBestRecords",
                       {{1, {9, 9, 300, 50}}, {2, {10, 9, 200, 0}}, {13, {3, 4, 0, 700}}},
                       "MESSAGE candidates 9,9:350 10,9:200 3,4:700"},
        CandidatesCase{"ClearedPositionsLeftOut",
                       {{1, {9, 9, 300, 50}}, {2, {10, 9, 0, 0}}, {3, {11, 9, 100, 0}}},
                       "MESSAGE candidates 9,9:350 11,9:100"},
        CandidatesCase{"BestAttackHeadingTheListNamedOnce",
                       {{1, {9, 9, 3200, 0}}, {14, {9, 9, 3200, 0}}},
                       "MESSAGE candidates 9,9:3200"},
        CandidatesCase{"ClearedPositionDoesNotHideItsCellLater",
                       {{1, {9, 9, 300, 0}}, {2, {4, 4, 0, 0}}, {14, {4, 4, 20, 0}}},
                       "MESSAGE candidates 9,9:300 4,4:20"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineMessageTest, NamesTheCellsInTurn) {
  ThreatLine line;
  line.setSingle({9, 9});
  EXPECT_EQ(LineMessage(line), "MESSAGE line 9,9");
  ThreatLine longer;
  longer.startWith({10, 0}, line);
  EXPECT_EQ(LineMessage(longer), "MESSAGE line 10,0 9,9");
}

}  // namespace
}  // namespace orvane::pipe
