#pragma once

#include <cstdint>

namespace orvane {

// A build constant that is a real number, kept as an exact fraction so that the search divides by
// it in integer arithmetic.
struct Fraction {
  std::int32_t numerator;
  std::int32_t denominator;
};

// Build settings of the threat search, under the labels the information banner prints.
namespace settings {
inline constexpr int V = 12;               // ranked positions of a candidate list
inline constexpr std::int32_t ST1 = 2700;  // attack bonus: a four with a three, or two fours
inline constexpr std::int32_t ST2 = 0;     // attack bonus: two or more threes
inline constexpr std::int32_t AST1 = 660;  // defence bonus against a four with a three
inline constexpr std::int32_t AST2 = 200;  // defence bonus against two or more threes
inline constexpr Fraction K{5, 2};  // 2.5: divisor of a reply's attack taken off the tried cell
inline constexpr Fraction P{8, 1};  // 8.0: divisor of the leading total giving the try threshold
}  // namespace settings

// value / divisor rounded to the nearest integer, a half to the even neighbour. value >= 0.
constexpr std::int32_t roundedQuotient(std::int32_t value, Fraction divisor) {
  const std::int64_t numerator = std::int64_t{value} * divisor.denominator;
  const std::int64_t denominator = divisor.numerator;
  const std::int64_t quotient = numerator / denominator;
  const std::int64_t twiceRemainder = 2 * (numerator % denominator);
  if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0)) {
    return static_cast<std::int32_t>(quotient + 1);
  }
  return static_cast<std::int32_t>(quotient);
}

}  // namespace orvane
