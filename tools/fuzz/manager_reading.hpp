#pragma once

#include <bitset>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orvane::fuzz {

// The manager's files and the brain's output as a manager reads them, written apart from the
// brain's own reading so that the fuzzer can check the one against the other.

// The bytes of a file up to its first byte 26, which ends it for the brain.
inline std::string_view readable(std::string_view content) {
  return content.substr(0, content.find('\x1a'));
}

// The empty cells of "plocha.dat", cell x + 20 y: cell after cell, 20 to a line, the rest of each
// line up to its line feed skipped; past the end every cell is a stone.
inline std::bitset<400> emptyCells(std::string_view content) {
  const std::string_view bytes = readable(content);
  std::bitset<400> empty;
  std::size_t next = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      if (next < bytes.size() && bytes[next++] == '-') empty.set(x + 20 * y);
    }
    while (next < bytes.size() && bytes[next++] != '\n') {
    }
  }
  return empty;
}

// Whether "timeouts.dat" holds nothing but decimal numbers of at most nine digits between blanks
// and line ends: such a file is read without an error.
inline bool plainNumbers(std::string_view content) {
  std::size_t digits = 0;
  for (const char c : readable(content)) {
    const bool digit = c >= '0' && c <= '9';
    if (!digit && static_cast<std::uint8_t>(c) > ' ') return false;
    digits = digit ? digits + 1 : 0;
    if (digits > 9) return false;
  }
  return true;
}

// The error report the brain prints for an input/output error code.
inline std::string errorReport(std::int32_t code) {
  static const std::map<std::int32_t, std::string> texts = {
      {2, "File not found"},         {3, "Invalid filename"},          {4, "Too many open files"},
      {5, "File access denied"},     {100, "Read beyond end of file"}, {101, "Disk full"},
      {106, "Invalid numeric input"}};
  const auto found = texts.find(code);
  return (found == texts.end() ? "I/O error " + std::to_string(code) : found->second) + "\r\n";
}

// A coordinate of the answer: decimal 0 to 19 without leading zeros.
inline std::optional<int> coordinate(std::string_view text) {
  if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0')) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value >= 20) return std::nullopt;
  return value;
}

// The cell of an answer "x,y"; none for anything else.
inline std::optional<std::pair<int, int>> answerCell(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<int> x = coordinate(text.substr(0, comma));
  const std::optional<int> y = coordinate(text.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return std::pair(*x, *y);
}

}  // namespace orvane::fuzz
