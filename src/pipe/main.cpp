// The brain for managers that talk over standard input and output: one process plays a whole
// match, one command line at a time.
#include <array>
#include <string_view>

#include "pipe/session_input.hpp"
#include "platform/system_clock.hpp"
#include "platform/system_console.hpp"
#include "platform/system_standard_input.hpp"

int main() {
  orvane::SystemClock clock;
  orvane::SystemConsole console;
  orvane::SystemStandardInput standardInput;
  orvane::pipe::Session session(clock, console);
  orvane::pipe::SessionInput input(session);

  std::array<char, 4096> buffer{};
  while (const std::size_t count = standardInput.read(buffer)) {
    const std::string_view bytes(buffer.data(), count);
    if (input.receive(bytes) == orvane::pipe::SessionState::Ended) return 0;
  }
  input.endOfInput();
  return 0;
}
