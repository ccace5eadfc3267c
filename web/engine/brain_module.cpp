// The brain as a WebAssembly module: manager sessions over the same engine entry point as
// pbrain-orvane, fed the manager's text and answering with the reply lines they wrote. The module
// holds two sessions, one for each channel, so that the package's moves and a program's own
// commands never see each other's board. Every reply is also handed to JavaScript as it is
// written, so that a search's progress can be reported while it runs; JavaScript can answer that
// the search must stop, which its clock then tells it. The clock is the browser's; a test can
// stop it at one instant. Where pbrain-orvane exits at END, the module
// starts a new session on that channel, so that the brain stays usable for the program that
// holds it.
#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "pipe/session_input.hpp"
#include "platform/browser_clock.hpp"
#include "platform/clock.hpp"
#include "platform/console.hpp"

namespace {

// Calls the module's onReply(text) with each piece of reply text the moment it is written; true
// (1) when JavaScript asks the search to stop.
EM_JS(int, handOverReply, (const char* text, int length),
      { return Module['onReply'](UTF8ToString(text, length)) ? 1 : 0; });

// The browser's clock, which reads half a day later once a stop has been asked, until the next
// text comes: a search then finds its time up at its next look at the clock, and answers. (A
// turn's clock counts a reading past midnight on from the day before, so the jump is always
// half a day.)
class StoppableClock final : public orvane::Clock {
 public:
  explicit StoppableClock(const orvane::Clock& clock) : clock_(&clock) {}

  orvane::TimeOfDay localTime() const override { return shifted(clock_->localTime()); }
  orvane::TimeOfDay utcTime() const override { return shifted(clock_->utcTime()); }

  void stop() { stopped_ = true; }
  void resume() { stopped_ = false; }

 private:
  orvane::TimeOfDay shifted(orvane::TimeOfDay time) const {
    if (stopped_) time.hours = (time.hours + 12) % 24;
    return time;
  }

  const orvane::Clock* clock_;
  bool stopped_ = false;
};

orvane::BrowserClock brainClock;
StoppableClock sessionClock{brainClock};

// Keeps what the session writes until the caller has taken it, and hands it over as it comes.
class ReplyBuffer final : public orvane::Console {
 public:
  void write(std::string_view text) override {
    text_ += text;
    if (handOverReply(text.data(), static_cast<int>(text.size())) != 0) sessionClock.stop();
  }
  const std::string& text() const { return text_; }
  void clear() { text_.clear(); }

 private:
  std::string text_;
};

ReplyBuffer replies;

// The strong search's memory in a browser when the package gives none: the module starts with
// 16 MB in all.
constexpr std::size_t BrowserStrongMemory = std::size_t{8} << 20;

// One session with the manager, from its first line to END.
struct Conversation {
  orvane::pipe::Session session{sessionClock, replies, orvane::pipe::EngineChoice::Classic,
                                BrowserStrongMemory};
  orvane::pipe::SessionInput input{session};
};

// Channel 0 carries the package's moves, channel 1 a program's own commands.
std::array<std::optional<Conversation>, 2> conversations;

}  // namespace

extern "C" {

// Takes the manager's next bytes on a channel (whole lines end in a line feed) and returns the
// replies they brought, each line ending in CR LF. The text stays valid until the next call. The
// bytes after an END in the same call are ignored, as pbrain-orvane ignores them; the next call
// on that channel speaks to a new session.
EMSCRIPTEN_KEEPALIVE const char* orvane_receive(const char* bytes, int channel) {
  replies.clear();
  sessionClock.resume();
  std::optional<Conversation>& conversation = conversations.at(channel == 1 ? 1 : 0);
  if (!conversation) conversation.emplace();
  if (conversation->input.receive(bytes) == orvane::pipe::SessionState::Ended) {
    conversation.reset();
  }
  return replies.text().c_str();
}

// Stops the brain's clock at one instant, in milliseconds since 1970-01-01 UTC.
EMSCRIPTEN_KEEPALIVE void orvane_freeze_clock(double epochMilliseconds) {
  brainClock.freezeAt(epochMilliseconds);
}

}  // extern "C"
