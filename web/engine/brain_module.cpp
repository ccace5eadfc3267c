// The brain as a WebAssembly module: one manager session over the same engine entry point as
// pbrain-orvane, fed the manager's text and answering with the reply lines it wrote. The clock is
// the browser's; a test can stop it at one instant. Where pbrain-orvane exits at END, the module
// starts a new session, so that the brain stays usable for the program that holds it.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>

#include "pipe/session_input.hpp"
#include "platform/browser_clock.hpp"
#include "platform/console.hpp"

namespace {

// Keeps what the session writes until the caller has taken it.
class ReplyBuffer final : public orvane::Console {
 public:
  void write(std::string_view text) override { text_ += text; }
  const std::string& text() const { return text_; }
  void clear() { text_.clear(); }

 private:
  std::string text_;
};

orvane::BrowserClock brainClock;
ReplyBuffer replies;

// One session with the manager, from its first line to END.
struct Conversation {
  orvane::pipe::Session session{brainClock, replies};
  orvane::pipe::SessionInput input{session};
};

std::optional<Conversation> conversation{std::in_place};

}  // namespace

extern "C" {

// Takes the manager's next bytes (whole lines end in a line feed) and returns the replies they
// brought, each line ending in CR LF. The text stays valid until the next call. The bytes after an
// END in the same call are ignored, as pbrain-orvane ignores them; the next call speaks to a new
// session.
EMSCRIPTEN_KEEPALIVE const char* orvane_receive(const char* bytes) {
  replies.clear();
  if (conversation->input.receive(bytes) == orvane::pipe::SessionState::Ended) {
    conversation.emplace();
  }
  return replies.text().c_str();
}

// Stops the brain's clock at one instant, in milliseconds since 1970-01-01 UTC.
EMSCRIPTEN_KEEPALIVE void orvane_freeze_clock(double epochMilliseconds) {
  brainClock.freezeAt(epochMilliseconds);
}

}  // extern "C"
