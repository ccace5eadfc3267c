#pragma once

#include "platform/standard_input.hpp"

namespace orvane {

// The process's standard input, read unchanged (binary mode on Windows: a CR stays a CR).
class SystemStandardInput final : public StandardInput {
 public:
  std::size_t read(std::span<char> buffer) override;
};

}  // namespace orvane
