// Feeds any bytes to a protocol session as the manager's input. The session must neither crash
// nor touch memory it does not own, and every reply must be one CR LF line of printable text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pipe/session_input.hpp"

namespace {

// Every reading of the local clock is a quarter of an hour after the one before, more than the
// longest turn, so that each search ends at its first look at the clock. The UTC clock stands
// still.
class RunningOutClock final : public orvane::Clock {
 public:
  orvane::TimeOfDay localTime() const override {
    quarters_ = (quarters_ + 1) % 96;
    return {quarters_ / 4, quarters_ % 4 * 15, 0, 0};
  }
  orvane::TimeOfDay utcTime() const override { return {13, 5, 42, 378}; }

 private:
  mutable int quarters_ = 0;
};

class LineCheckingConsole final : public orvane::Console {
 public:
  void write(std::string_view text) override {
    if (text.size() < 3 || !text.ends_with("\r\n")) __builtin_trap();
    for (const char c : text.substr(0, text.size() - 2)) {
      if (c < ' ' || c > '~') __builtin_trap();
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RunningOutClock clock;
  LineCheckingConsole console;
  orvane::pipe::Session session(clock, console);
  orvane::pipe::SessionInput input(session);
  input.receive(std::string_view(reinterpret_cast<const char*>(data), size));
  input.endOfInput();
  return 0;
}
