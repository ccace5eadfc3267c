// The brain as a WebAssembly module: manager sessions over the same engine entry point as
// pbrain-orvane, fed the manager's text and answering with the reply lines they wrote. The module
// holds two sessions, one for each channel, so that the package's moves and a program's own
// commands never see each other's board. Every reply is also handed to JavaScript as it is
// written, so that a search's progress can be reported while it runs. The clock is the
// browser's; a test can stop it at one instant. Where pbrain-orvane exits at END, the module
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
#include "platform/console.hpp"

namespace {

// Calls the module's onReply(text) with each piece of reply text the moment it is written.
EM_JS(void, handOverReply, (const char* text, int length),
      { Module['onReply'](UTF8ToString(text, length)); });

// Keeps what the session writes until the caller has taken it, and hands it over as it comes.
class ReplyBuffer final : public orvane::Console {
 public:
  void write(std::string_view text) override {
    text_ += text;
    handOverReply(text.data(), static_cast<int>(text.size()));
  }
  const std::string& text() const { return text_; }
  void clear() { text_.clear(); }

 private:
  std::string text_;
};

orvane::BrowserClock brainClock;
ReplyBuffer replies;

// The strong search's memory in a browser when the package gives none: the module starts with
// 16 MB in all.
constexpr std::size_t BrowserStrongMemory = std::size_t{8} << 20;

// One session with the manager, from its first line to END.
struct Conversation {
  orvane::pipe::Session session{brainClock, replies, orvane::pipe::EngineChoice::Classic,
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
