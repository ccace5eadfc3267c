#include "platform/system_console.hpp"

#include <cstdio>

namespace orvane {

void SystemConsole::write(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

}  // namespace orvane
