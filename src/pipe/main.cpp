// The brain for managers that talk over standard input and output: one process plays a whole
// match, one command line at a time.
#include <errno.h>
#include <unistd.h>

#include <array>

#include "pipe/session_input.hpp"
#include "platform/system_clock.hpp"
#include "platform/system_console.hpp"

int main() {
  orvane::SystemClock clock;
  orvane::SystemConsole console;
  orvane::pipe::Session session(clock, console);
  orvane::pipe::SessionInput input(session);

  std::array<char, 4096> buffer{};
  while (true) {
    const ssize_t count = read(STDIN_FILENO, buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    const std::string_view bytes(buffer.data(), static_cast<std::size_t>(count));
    if (input.receive(bytes) == orvane::pipe::SessionState::Ended) return 0;
  }
  input.endOfInput();
  return 0;
}
