#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "patterns/pattern_score_table.hpp"

namespace orvane {
namespace {

// The value groups of the score table as index lists: five-cell windows at their pattern,
// six-cell windows at 32 + pattern, seven-cell windows at 96 + pattern.
struct ScoreGroup {
  PatternScore score;
  std::vector<int> indices;
};

const std::vector<ScoreGroup> FiveCellGroups = {
    {{1, 2}, {5, 9, 10, 17, 18, 20}},
    {{2, 3}, {3, 6, 12, 24}},
    {{5, 7}, {7, 11, 13, 14, 19, 21, 22, 25, 26, 28}},
    {{25, 200}, {15, 23, 27, 29, 30}},
    {{14500, 65000}, {31}},
};

const std::vector<ScoreGroup> SixCellGroups = {
    {{1, 2}, {37, 41, 49, 66, 68, 72}},
    {{2, 3}, {35, 67, 69, 73, 80, 81}},
    {{4, 6}, {38, 42, 44, 50, 52, 56}},
    {{5, 7}, {39, 43, 45, 51, 53, 57, 70, 71, 74, 75, 76, 77, 82, 83, 84, 85, 88, 89}},
    {{19, 135}, {46, 60}},
    {{19, 140}, {54, 58}},
    {{25, 200}, {47, 55, 59, 61, 78, 79, 86, 87, 90, 91, 92, 93}},
    {{700, 3200}, {62}},
    {{14500, 65000}, {63, 94, 95}},
};

const std::vector<ScoreGroup> SevenCellGroups = {
    {{5, 7}, {108}}, {{4, 6}, {116}}, {{5, 7}, {120}}, {{20, 150}, {124}}, {{700, 3200}, {189}},
};

TEST(PatternScoreTable, ListedEntriesCarryTheirGroupValuesAndAllOthersAreZero) {
  ASSERT_EQ(PatternScoreTable.size(), 224u);
  std::set<int> listed;
  for (const auto* groups : {&FiveCellGroups, &SixCellGroups, &SevenCellGroups}) {
    for (const ScoreGroup& group : *groups) {
      for (int index : group.indices) {
        EXPECT_TRUE(listed.insert(index).second) << "index " << index << " listed twice";
        EXPECT_EQ(PatternScoreTable[index].first, group.score.first) << "index " << index;
        EXPECT_EQ(PatternScoreTable[index].second, group.score.second) << "index " << index;
      }
    }
  }
  EXPECT_EQ(listed.size(), 87u);

  for (int index = 0; index < PatternScoreCount; ++index) {
    if (listed.count(index) != 0) continue;
    EXPECT_EQ(PatternScoreTable[index], PatternScore{}) << "index " << index;
  }
}

}  // namespace
}  // namespace orvane
