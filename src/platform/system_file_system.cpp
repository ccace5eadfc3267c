#include "platform/system_file_system.hpp"

namespace orvane {

// Bytes come from the buffer, which is refilled from the open file whenever it runs out.
std::int32_t SystemFileSystem::readByte(std::uint8_t& byte, bool& atEnd) {
  atEnd = false;
  if (!isOpen()) return io_error::AccessDenied;
  if (next_ == buffered_) {
    std::size_t count = 0;
    if (const std::int32_t error = refill(count); error != io_error::None) return error;
    buffered_ = count;
    next_ = 0;
    if (count == 0) {
      atEnd = true;
      return io_error::None;
    }
  }
  byte = buffer_[next_++];
  return io_error::None;
}

}  // namespace orvane
