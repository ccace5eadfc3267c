#include "pipe/time_settings.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <string>

#include "pipe/game_rule.hpp"

namespace orvane::pipe {
namespace {

constexpr std::int32_t Unlimited = TimeSettings::Unlimited;
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();

struct TimingCase {
  const char* name;
  std::function<void(TimeSettings&)> give;  // what the manager says, in order
  std::uint16_t turnSeconds;
  std::int32_t matchTimeLeft;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const TimingCase& c, std::ostream* os) {
  *os << c.name;
}

class TimeSettingsTest : public ::testing::TestWithParam<TimingCase> {};

TEST_P(TimeSettingsTest, GivesTheEngineSecondsAndMatchTime) {
  const TimingCase& c = GetParam();
  TimeSettings settings;
  c.give(settings);
  EXPECT_EQ(settings.turnSeconds(), c.turnSeconds);
  EXPECT_EQ(settings.matchTimeLeft(), c.matchTimeLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Info, TimeSettingsTest,
    ::testing::Values(
        TimingCase{"NothingGiven", [](TimeSettings&) {}, 30, Unlimited},
        TimingCase{"TurnAndMatch",
                   [](TimeSettings& s) {
                     s.setTurnTimeout(5000);
                     s.setMatchTimeout(180000);
                   },
                   5, 180000},
        TimingCase{"TurnTruncatedToSeconds", [](TimeSettings& s) { s.setTurnTimeout(5999); }, 5,
                   Unlimited},
        TimingCase{"PlayFast", [](TimeSettings& s) { s.setTurnTimeout(0); }, 0, Unlimited},
        TimingCase{"NegativeTurn", [](TimeSettings& s) { s.setTurnTimeout(-4000); }, 0, Unlimited},
        TimingCase{"TurnBeyondSixteenBits", [](TimeSettings& s) { s.setTurnTimeout(65536000); },
                   65535, Unlimited},
        TimingCase{"TurnBeyondThirtyTwoBits",
                   [](TimeSettings& s) { s.setTurnTimeout(5000000000000); }, 65535, Unlimited},
        TimingCase{"MatchWithoutLimit", [](TimeSettings& s) { s.setMatchTimeout(0); }, 30,
                   Unlimited},
        TimingCase{"TimeLeftWinsOverMatch",
                   [](TimeSettings& s) {
                     s.setMatchTimeout(180000);
                     s.setTimeLeft(90000);
                   },
                   30, 90000},
        TimingCase{"TimeLeftZeroIsNoTime",
                   [](TimeSettings& s) {
                     s.setMatchTimeout(0);
                     s.setTimeLeft(0);
                   },
                   30, 0},
        TimingCase{"TimeLeftNegative", [](TimeSettings& s) { s.setTimeLeft(-500); }, 30, -500},
        TimingCase{"TimeLeftUnlimited", [](TimeSettings& s) { s.setTimeLeft(2147483647); }, 30,
                   Unlimited},
        TimingCase{"TimeLeftAboveRange", [](TimeSettings& s) { s.setTimeLeft(99999999999); }, 30,
                   Unlimited},
        TimingCase{"TimeLeftBelowRange", [](TimeSettings& s) { s.setTimeLeft(-99999999999); }, 30,
                   Int32Min},
        TimingCase{"NewGameFallsBackToMatch",
                   [](TimeSettings& s) {
                     s.setMatchTimeout(180000);
                     s.setTimeLeft(1000);
                     s.startGame();
                   },
                   30, 180000},
        TimingCase{"NewGameKeepsTurn",
                   [](TimeSettings& s) {
                     s.setTurnTimeout(7000);
                     s.startGame();
                   },
                   7, Unlimited}),
    [](const auto& info) { return std::string(info.param.name); });

struct RuleCase {
  std::int64_t rule;
  const char* reasonNames;  // a word the reason must hold; none for a rule that is played
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const RuleCase& c, std::ostream* os) {
  *os << "rule " << c.rule;
}

class GameRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(GameRuleTest, RefusesWhatFreestyleCannotHonour) {
  const RuleCase& c = GetParam();
  const std::optional<std::string> reason = UnsupportedRuleReason(c.rule);
  if (c.reasonNames == nullptr) {
    EXPECT_FALSE(reason.has_value()) << *reason;
    return;
  }
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find(c.reasonNames), std::string::npos) << *reason;
}

INSTANTIATE_TEST_SUITE_P(Masks, GameRuleTest,
                         ::testing::Values(RuleCase{0, nullptr}, RuleCase{2, nullptr},
                                           RuleCase{1, "exactly-five"}, RuleCase{3, "exactly-five"},
                                           RuleCase{4, "renju"}, RuleCase{6, "renju"},
                                           RuleCase{8, "caro"}, RuleCase{16, "unknown"},
                                           RuleCase{18, "unknown"}, RuleCase{-1, "mask"}));

}  // namespace
}  // namespace orvane::pipe
