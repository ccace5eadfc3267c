#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "patterns/game_rule.hpp"

namespace orvane::pipe {

// The bits of INFO rule.
namespace rule_bit {
inline constexpr std::int64_t ExactlyFive = 1;
inline constexpr std::int64_t ContinuousGame = 2;
inline constexpr std::int64_t Renju = 4;
inline constexpr std::int64_t Caro = 8;
}  // namespace rule_bit

// The rule that INFO rule names: freestyle (0), exactly five (1), renju (4), caro (8) or exactly
// five with caro (9), each also in a continuous game (bit 2), which asks nothing more of the
// brain. For any other value: why it cannot be honoured.
std::variant<GameRule, std::string> RuleFromInfo(std::int64_t rule);

}  // namespace orvane::pipe
