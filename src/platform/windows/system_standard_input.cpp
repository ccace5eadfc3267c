#include "platform/system_standard_input.hpp"

#include <windows.h>

#include <algorithm>

namespace orvane {

// Straight from the standard input handle, past the C runtime's text mode: every CR arrives.
// A pipe whose writer has closed it reports ERROR_BROKEN_PIPE, which is the end of the input
// like any other failure.
std::size_t SystemStandardInput::read(std::span<char> buffer) {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  if (input == nullptr || input == INVALID_HANDLE_VALUE || buffer.empty()) return 0;
  const DWORD size = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1 << 20));
  DWORD count = 0;
  if (!ReadFile(input, buffer.data(), size, &count, nullptr)) return 0;
  return count;
}

}  // namespace orvane
