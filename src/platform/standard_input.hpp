#pragma once

#include <cstddef>
#include <span>

namespace orvane {

// Standard input, as the bytes the other side wrote.
class StandardInput {
 public:
  virtual ~StandardInput() = default;
  // Waits for input and stores up to `buffer.size()` bytes of it; the count stored, 0 at the end
  // of the input or when it cannot be read.
  virtual std::size_t read(std::span<char> buffer) = 0;
};

}  // namespace orvane
