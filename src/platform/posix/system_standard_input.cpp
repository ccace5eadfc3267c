#include "platform/system_standard_input.hpp"

#include <errno.h>
#include <unistd.h>

namespace orvane {

std::size_t SystemStandardInput::read(std::span<char> buffer) {
  while (true) {
    const ssize_t count = ::read(STDIN_FILENO, buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    return count > 0 ? static_cast<std::size_t>(count) : 0;
  }
}

}  // namespace orvane
