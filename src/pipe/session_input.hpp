#pragma once

#include <string_view>

#include "pipe/line_splitter.hpp"
#include "pipe/session.hpp"

namespace orvane::pipe {

// The manager's byte stream, cut into lines for the session. Once the session has ended, no more
// input is read: the bytes after END are never looked at.
class SessionInput {
 public:
  explicit SessionInput(Session& session) : session_(session) {}

  SessionState receive(std::string_view bytes);
  // The input is closed: an unterminated last line still counts.
  SessionState endOfInput();

 private:
  SessionState deliver(LineSplitter::Event event);

  Session& session_;
  LineSplitter splitter_;
  SessionState state_ = SessionState::Running;
};

}  // namespace orvane::pipe
