#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::pipe {

// Cuts the manager's byte stream into lines. A carriage return, a line feed or the pair of them
// ends a line; empty lines are dropped. A line never grows beyond MaxLineLength bytes: the rest
// of a longer one is thrown away and the line is reported as overlong.
class LineSplitter {
 public:
  static constexpr std::size_t MaxLineLength = 4096;

  enum class Event { None, Line, OverlongLine };

  LineSplitter() { line_.reserve(MaxLineLength); }

  // Takes the next byte. Line or OverlongLine when it ends a line, which line() then holds until
  // the next call.
  Event push(char byte);

  // The end of the input: the unterminated rest, if any, counts as a last line.
  Event finish();

  std::string_view line() const { return line_; }

 private:
  Event completeLine();

  std::string line_;
  bool overlong_ = false;
  bool complete_ = false;
};

}  // namespace orvane::pipe
