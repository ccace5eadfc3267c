#include "pipe/game_rule.hpp"

namespace orvane::pipe {

std::variant<GameRule, std::string> RuleFromInfo(std::int64_t rule) {
  const std::string played =
      " (this brain plays freestyle, exactly five, renju, caro, and caro with exactly five)";
  if (rule < 0) return "rule " + std::to_string(rule) + " is not a rule mask";
  const std::int64_t known =
      rule_bit::ExactlyFive | rule_bit::ContinuousGame | rule_bit::Renju | rule_bit::Caro;
  if (rule & ~known) return "rule " + std::to_string(rule) + " has unknown bits" + played;
  switch (rule & ~rule_bit::ContinuousGame) {
    case 0:
      return GameRule::Freestyle;
    case rule_bit::ExactlyFive:
      return GameRule::ExactFive;
    case rule_bit::Renju:
      return GameRule::Renju;
    case rule_bit::Caro:
      return GameRule::Caro;
    case rule_bit::Caro | rule_bit::ExactlyFive:
      return GameRule::CaroExactFive;
    default:
      return "rule " + std::to_string(rule) + " joins renju with another rule" + played;
  }
}

}  // namespace orvane::pipe
