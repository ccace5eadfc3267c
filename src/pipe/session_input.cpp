#include "pipe/session_input.hpp"

namespace orvane::pipe {

SessionState SessionInput::receive(std::string_view bytes) {
  for (const char byte : bytes) {
    if (state_ == SessionState::Ended) break;
    state_ = deliver(splitter_.push(byte));
  }
  return state_;
}

SessionState SessionInput::endOfInput() {
  if (state_ == SessionState::Running) state_ = deliver(splitter_.finish());
  return state_;
}

SessionState SessionInput::deliver(LineSplitter::Event event) {
  switch (event) {
    case LineSplitter::Event::Line:
      return session_.handleLine(splitter_.line());
    case LineSplitter::Event::OverlongLine:
      return session_.handleOverlongLine();
    case LineSplitter::Event::None:
      break;
  }
  return SessionState::Running;
}

}  // namespace orvane::pipe
