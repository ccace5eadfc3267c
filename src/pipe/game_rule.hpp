#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::pipe {

// The bits of INFO rule.
namespace rule_bit {
inline constexpr std::int64_t ExactlyFive = 1;
inline constexpr std::int64_t ContinuousGame = 2;
inline constexpr std::int64_t Renju = 4;
inline constexpr std::int64_t Caro = 8;
}  // namespace rule_bit

// The brain plays freestyle, where six or more in a row win as five do, in single or continuous
// games. For any other rule: why it cannot be honoured.
std::optional<std::string> UnsupportedRuleReason(std::int64_t rule);

}  // namespace orvane::pipe
