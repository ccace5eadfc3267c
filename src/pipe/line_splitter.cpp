#include "pipe/line_splitter.hpp"

namespace orvane::pipe {

LineSplitter::Event LineSplitter::push(char byte) {
  if (complete_) {
    line_.clear();
    overlong_ = false;
    complete_ = false;
  }
  if (byte == '\r' || byte == '\n') return completeLine();
  if (line_.size() < MaxLineLength) {
    line_.push_back(byte);
  } else {
    overlong_ = true;
  }
  return Event::None;
}

LineSplitter::Event LineSplitter::finish() {
  if (complete_) return Event::None;
  return completeLine();
}

LineSplitter::Event LineSplitter::completeLine() {
  if (line_.empty()) return Event::None;
  complete_ = true;
  return overlong_ ? Event::OverlongLine : Event::Line;
}

}  // namespace orvane::pipe
