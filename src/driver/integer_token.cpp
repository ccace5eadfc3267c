#include "driver/integer_token.hpp"

#include "platform/file_system.hpp"

namespace orvane {

namespace {

int digitValue(char c, bool hexadecimal) {
  if (c >= '0' && c <= '9') return c - '0';
  if (!hexadecimal) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

IntegerConversion invalid(std::uint32_t digitsSoFar) {
  return {static_cast<std::int32_t>(digitsSoFar), io_error::InvalidNumericInput};
}

}  // namespace

IntegerConversion ConvertIntegerToken(std::string_view token) {
  bool hexadecimal = false;
  bool negative = false;
  std::size_t start = 0;
  if (!token.empty() && (token[0] == '$' || token[0] == 'x' || token[0] == 'X')) {
    hexadecimal = true;
    start = 1;
  } else if (token.size() >= 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
    hexadecimal = true;
    start = 2;
  } else if (!token.empty() && (token[0] == '+' || token[0] == '-')) {
    negative = token[0] == '-';
    start = 1;
  }
  if (start == token.size()) return invalid(0);

  const std::uint32_t base = hexadecimal ? 16 : 10;
  // The largest value that may still take one more digit.
  const std::uint32_t largestBeforeDigit = hexadecimal ? 268435455u : 214748364u;
  std::uint32_t value = 0;
  for (std::size_t i = start; i < token.size(); ++i) {
    const int digit = digitValue(token[i], hexadecimal);
    if (digit < 0 || value > largestBeforeDigit) return invalid(value);
    value = value * base + static_cast<std::uint32_t>(digit);
  }

  if (hexadecimal) return {static_cast<std::int32_t>(value), 0};
  const std::uint32_t largestMagnitude = negative ? 2147483648u : 2147483647u;
  if (value > largestMagnitude) return invalid(value / 10);
  return {negative ? static_cast<std::int32_t>(0u - value) : static_cast<std::int32_t>(value), 0};
}

}  // namespace orvane
