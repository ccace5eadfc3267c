#include "platform/system_console.hpp"

#include <windows.h>

#include <algorithm>

namespace orvane {

// Straight to the standard output handle, past the C runtime: no text-mode translation of LF to
// CR LF, and no buffer to flush. Without a standard output (a manager that gives none) the text
// is dropped, as it is when the manager has stopped reading.
void SystemConsole::write(std::string_view text) {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
  while (!text.empty()) {
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(output, text.data(), size, &written, nullptr) || written == 0) return;
    text.remove_prefix(written);
  }
}

}  // namespace orvane
