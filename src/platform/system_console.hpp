#pragma once

#include "platform/console.hpp"

namespace orvane {

class SystemConsole final : public Console {
 public:
  void write(std::string_view text) override;
};

}  // namespace orvane
