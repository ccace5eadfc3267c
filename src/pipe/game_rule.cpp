#include "pipe/game_rule.hpp"

namespace orvane::pipe {

std::optional<std::string> UnsupportedRuleReason(std::int64_t rule) {
  const std::string played = " (this brain plays freestyle only)";
  if (rule < 0) return "rule " + std::to_string(rule) + " is not a rule mask";
  if (rule & rule_bit::Renju) return "renju is not supported" + played;
  if (rule & rule_bit::Caro) return "caro is not supported" + played;
  if (rule & rule_bit::ExactlyFive) return "exactly-five is not supported" + played;
  const std::int64_t known =
      rule_bit::ExactlyFive | rule_bit::ContinuousGame | rule_bit::Renju | rule_bit::Caro;
  if (rule & ~known) return "rule " + std::to_string(rule) + " has unknown bits" + played;
  return std::nullopt;
}

}  // namespace orvane::pipe
