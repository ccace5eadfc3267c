#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane::pipe {

// The text without the spaces and tabs around it.
std::string_view TrimBlanks(std::string_view text);

// A decimal integer (an optional minus sign, then digits) with optional blanks around it. None
// for any other text and for a value outside the 64-bit range.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// Exactly N integers separated by commas, as in "10,7" or "3,4,1".
template <std::size_t N>
std::optional<std::array<std::int64_t, N>> ParseIntegerFields(std::string_view text) {
  std::array<std::int64_t, N> fields{};
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t comma = i + 1 < N ? text.find(',') : std::string_view::npos;
    if (i + 1 < N && comma == std::string_view::npos) return std::nullopt;
    const std::optional<std::int64_t> value = ParseInteger(text.substr(0, comma));
    if (!value) return std::nullopt;
    fields[i] = *value;
    if (comma != std::string_view::npos) text.remove_prefix(comma + 1);
  }
  return fields;
}

}  // namespace orvane::pipe
