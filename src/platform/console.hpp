#pragma once

#include <string_view>

namespace orvane {

// Standard output.
class Console {
 public:
  virtual ~Console() = default;
  virtual void write(std::string_view text) = 0;
};

}  // namespace orvane
