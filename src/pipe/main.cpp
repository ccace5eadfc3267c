// The brain for managers that talk over standard input and output: one process plays a whole
// match, one command line at a time. Built as pbrain-orvane, with the classic search unless the
// manager asks for the strong one, and as pbrain-orvane-strong (ORVANE_STRONG_BY_DEFAULT), the
// other way round.
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
#ifdef ORVANE_STRONG_BY_DEFAULT
  orvane::pipe::Session session(clock, console, orvane::pipe::EngineChoice::Strong);
#else
  orvane::pipe::Session session(clock, console);
#endif
  orvane::pipe::SessionInput input(session);

  std::array<char, 4096> buffer{};
  while (const std::size_t count = standardInput.read(buffer)) {
    const std::string_view bytes(buffer.data(), count);
    if (input.receive(bytes) == orvane::pipe::SessionState::Ended) return 0;
  }
  input.endOfInput();
  return 0;
}
