#include "pipe/time_settings.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <variant>

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
  // What the strong search gets, in milliseconds: it has no clock of its own to fall back on, so
  // a move bounded by neither a turn nor a match would never be answered.
  std::int64_t turnMilliseconds;
  std::int64_t matchMillisecondsLeft;
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
  EXPECT_EQ(settings.turnMilliseconds(), c.turnMilliseconds);
  EXPECT_EQ(settings.matchMillisecondsLeft(), c.matchMillisecondsLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Info, TimeSettingsTest,
    ::testing::Values(
        TimingCase{"NothingGiven", [](TimeSettings&) {}, 30, Unlimited, 30000, -1},
        TimingCase{"TurnAndMatch",
                   [](TimeSettings& s) {
                     s.setTurnTimeout(5000);
                     s.setMatchTimeout(180000);
                   },
                   5, 180000, 5000, 180000},
        TimingCase{"TurnTruncatedToSeconds", [](TimeSettings& s) { s.setTurnTimeout(5999); }, 5,
                   Unlimited, 5999, -1},
        TimingCase{"PlayFast", [](TimeSettings& s) { s.setTurnTimeout(0); }, 0, Unlimited, 1, -1},
        TimingCase{"NegativeTurn", [](TimeSettings& s) { s.setTurnTimeout(-4000); }, 0, Unlimited,
                   1, -1},
        TimingCase{"TurnBeyondSixteenBits", [](TimeSettings& s) { s.setTurnTimeout(65536000); },
                   65535, Unlimited, 65536000, -1},
        TimingCase{"TurnBeyondThirtyTwoBits",
                   [](TimeSettings& s) { s.setTurnTimeout(5000000000000); }, 65535, Unlimited,
                   5000000000000, -1},
        TimingCase{"MatchWithoutLimit", [](TimeSettings& s) { s.setMatchTimeout(0); }, 30,
                   Unlimited, 30000, -1},
        TimingCase{"TimeLeftWinsOverMatch",
                   [](TimeSettings& s) {
                     s.setMatchTimeout(180000);
                     s.setTimeLeft(90000);
                   },
                   30, 90000, 30000, 90000},
        TimingCase{"TimeLeftZeroIsNoTime",
                   [](TimeSettings& s) {
                     s.setMatchTimeout(0);
                     s.setTimeLeft(0);
                   },
                   30, 0, 30000, 0},
        TimingCase{"TimeLeftNegative", [](TimeSettings& s) { s.setTimeLeft(-500); }, 30, -500,
                   30000, 0},
        TimingCase{"TimeLeftUnlimited", [](TimeSettings& s) { s.setTimeLeft(2147483647); }, 30,
                   Unlimited, 30000, -1},
        TimingCase{"TimeLeftAboveRange", [](TimeSettings& s) { s.setTimeLeft(99999999999); }, 30,
                   Unlimited, 30000, -1},
        TimingCase{"TimeLeftBelowRange", [](TimeSettings& s) { s.setTimeLeft(-99999999999); }, 30,
                   Int32Min, 30000, 0},
        TimingCase{"NewGameFallsBackToMatch",
                   [](TimeSettings& s) {
                     s.setMatchTimeout(180000);
                     s.setTimeLeft(1000);
                     s.startGame();
                   },
                   30, 180000, 30000, 180000},
        TimingCase{"NewGameKeepsTurn",
                   [](TimeSettings& s) {
                     s.setTurnTimeout(7000);
                     s.startGame();
                   },
                   7, Unlimited, 7000, -1},
        TimingCase{"MatchAlone",
                   [](TimeSettings& s) {
                     s.setTurnTimeout(0);
                     s.setMatchTimeout(60000);
                   },
                   0, 60000, 0, 60000},
        TimingCase{"FastWhenTimeLeftIsUnlimited",
                   [](TimeSettings& s) {
                     s.setTurnTimeout(0);
                     s.setMatchTimeout(60000);
                     s.setTimeLeft(2147483647);
                   },
                   0, Unlimited, 1, -1},
        TimingCase{"NoTimeLeftAtAll",
                   [](TimeSettings& s) {
                     s.setTurnTimeout(0);
                     s.setTimeLeft(0);
                   },
                   0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct RuleCase {
  std::int64_t rule;
  std::optional<GameRule> played;
  const char* reasonNames;  // a word the reason must hold when the rule is not played
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const RuleCase& c, std::ostream* os) {
  *os << "rule " << c.rule;
}

class GameRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(GameRuleTest, PlaysTheKnownRulesAndSaysWhyNotTheOthers) {
  const RuleCase& c = GetParam();
  const std::variant<GameRule, std::string> rule = RuleFromInfo(c.rule);
  if (c.played) {
    ASSERT_TRUE(std::holds_alternative<GameRule>(rule)) << std::get<std::string>(rule);
    EXPECT_EQ(std::get<GameRule>(rule), *c.played);
    return;
  }
  ASSERT_TRUE(std::holds_alternative<std::string>(rule));
  EXPECT_NE(std::get<std::string>(rule).find(c.reasonNames), std::string::npos)
      << std::get<std::string>(rule);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, GameRuleTest,
    ::testing::Values(RuleCase{0, GameRule::Freestyle, nullptr},
                      RuleCase{2, GameRule::Freestyle, nullptr},
                      RuleCase{3, GameRule::ExactFive, nullptr},
                      RuleCase{6, GameRule::Renju, nullptr}, RuleCase{8, GameRule::Caro, nullptr},
                      RuleCase{11, GameRule::CaroExactFive, nullptr},
                      RuleCase{12, std::nullopt, "renju"}, RuleCase{5, std::nullopt, "renju"},
                      RuleCase{16, std::nullopt, "unknown"}, RuleCase{18, std::nullopt, "unknown"},
                      RuleCase{-1, std::nullopt, "mask"}));

}  // namespace
}  // namespace orvane::pipe
