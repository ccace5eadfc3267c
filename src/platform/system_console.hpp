#pragma once

#include "platform/console.hpp"

namespace orvane {

// The process's standard output, written byte for byte (binary mode on Windows, so that a CR LF
// stays CR LF) and flushed after every write.
class SystemConsole final : public Console {
 public:
  void write(std::string_view text) override;
};

}  // namespace orvane
