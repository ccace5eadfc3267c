#include "driver/budget.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <ostream>

namespace orvane {
namespace {

struct BudgetCase {
  const char* name;
  std::uint16_t turnSeconds;
  std::int32_t matchTimeLeft;
  std::uint16_t stoneCount;
  Budget expected;

  friend void PrintTo(const BudgetCase& c, std::ostream* os) { *os << c.name; }
};

class ComputeBudgetTest : public ::testing::TestWithParam<BudgetCase> {};

TEST_P(ComputeBudgetTest, GivesTurnLimitAndSearchDepth) {
  const BudgetCase& c = GetParam();
  const Budget budget = ComputeBudget(c.turnSeconds, c.matchTimeLeft, c.stoneCount);
  EXPECT_EQ(budget.turnLimit, c.expected.turnLimit);
  EXPECT_EQ(budget.searchDepth, c.expected.searchDepth);
}

// With 20 stones 190 moves are left, so a share of s needs a match time of 190 * s.
INSTANTIATE_TEST_SUITE_P(
    Budgets, ComputeBudgetTest,
    ::testing::Values(BudgetCase{"AmpleShareKeepsFullDepth", 5, 100000, 20, {350, 10}},
                      BudgetCase{"Share315", 5, 60000, 20, {350, 8}},
                      BudgetCase{"Share263", 5, 50000, 20, {350, 6}},
                      BudgetCase{"Share210", 5, 40000, 20, {350, 2}},
                      BudgetCase{"Share351", 5, 190 * 351, 20, {350, 10}},
                      BudgetCase{"Share350", 5, 190 * 350, 20, {350, 8}},
                      BudgetCase{"Share281", 5, 190 * 281, 20, {350, 8}},
                      BudgetCase{"Share280", 5, 190 * 280, 20, {350, 6}},
                      BudgetCase{"Share251", 5, 190 * 251, 20, {350, 6}},
                      BudgetCase{"Share250", 5, 190 * 250, 20, {350, 2}},
                      BudgetCase{"ThreeStonesOpening", 5, 100000, 3, {350, 6}},
                      BudgetCase{"FourStonesOpening", 5, 100000, 4, {350, 6}},
                      BudgetCase{"FiveStonesFollowShare", 5, 100000, 5, {350, 10}},
                      BudgetCase{"EmptyBoardOpening", 5, 100000, 0, {350, 6}},
                      BudgetCase{"Stones268", 5, INT_MAX, 268, {350, 2}},
                      BudgetCase{"Stones267FollowShare", 5, INT_MAX, 267, {350, 10}},
                      BudgetCase{"OneEmptyCell", 5, INT_MAX, 399, {350, 2}},
                      BudgetCase{"TwoSecondsTurn", 2, INT_MAX, 20, {100, 2}},
                      BudgetCase{"ThreeSecondsTurn", 3, INT_MAX, 20, {150, 10}},
                      BudgetCase{"LongestUnsaturatedTurn", 656, INT_MAX, 20, {65450, 10}},
                      BudgetCase{"TurnTooLongSaturates", 657, INT_MAX, 20, {65535, 10}},
                      BudgetCase{"LongestTurnSaturates", 65535, INT_MAX, 20, {65535, 10}},
                      BudgetCase{"EmptyTimeoutsFile", 0, 0, 20, {100, 2}},
                      BudgetCase{"NegativeMatchTime", 5, -100000, 20, {350, 2}},
                      BudgetCase{"SmallNegativeShareTruncatesToZero", 5, -189, 20, {350, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TurnSecondsCase {
  std::int32_t read;
  std::uint16_t expected;

  friend void PrintTo(const TurnSecondsCase& c, std::ostream* os) { *os << c.read; }
};

class TurnSecondsTest : public ::testing::TestWithParam<TurnSecondsCase> {};

TEST_P(TurnSecondsTest, ClampsToUnsignedSixteenBits) {
  EXPECT_EQ(TurnSecondsFrom(GetParam().read), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ReadValues, TurnSecondsTest,
                         ::testing::Values(TurnSecondsCase{INT_MIN, 0}, TurnSecondsCase{-1, 0},
                                           TurnSecondsCase{0, 0}, TurnSecondsCase{5, 5},
                                           TurnSecondsCase{65535, 65535},
                                           TurnSecondsCase{65536, 65535},
                                           TurnSecondsCase{65539, 65535},
                                           TurnSecondsCase{INT_MAX, 65535}));

}  // namespace
}  // namespace orvane
