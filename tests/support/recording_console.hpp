#pragma once

#include <string>
#include <string_view>

#include "platform/console.hpp"

namespace orvane::testing {

// Standard output kept as one string.
class RecordingConsole final : public Console {
 public:
  std::string text;

  void write(std::string_view bytes) override { text += bytes; }
};

}  // namespace orvane::testing
