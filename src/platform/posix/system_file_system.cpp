#include "platform/system_file_system.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace orvane {

namespace {

// The system's error numbers that mean one of the brain's own codes. Any other number is kept,
// except where it equals one of those codes while meaning something else (an I/O fault is errno
// 5, which would read as "access denied"): such a number is moved past them, by 1000.
std::int32_t errorCode(int systemError) {
  switch (systemError) {
    case ENOENT:
      return io_error::FileNotFound;
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
    case EINVAL:
      return io_error::InvalidFilename;
    case EMFILE:
    case ENFILE:
      return io_error::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return io_error::AccessDenied;
    case ENOSPC:
    case EDQUOT:
      return io_error::DiskFull;
    default:
      break;
  }
  switch (systemError) {
    case io_error::FileNotFound:
    case io_error::InvalidFilename:
    case io_error::TooManyOpenFiles:
    case io_error::AccessDenied:
    case io_error::ReadBeyondEnd:
    case io_error::DiskFull:
    case io_error::InvalidNumericInput:
      return systemError + 1000;
    default:
      return systemError;
  }
}

}  // namespace

SystemFileSystem::~SystemFileSystem() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

std::int32_t SystemFileSystem::open(std::string_view name, bool forWriting) {
  if (descriptor_ >= 0) return io_error::TooManyOpenFiles;
  const std::string path(name);
  const int flags = forWriting ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY;
  int opened;
  do {
    opened = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  } while (opened < 0 && errno == EINTR);
  if (opened < 0) return errorCode(errno);
  descriptor_ = opened;
  buffered_ = 0;
  next_ = 0;
  return io_error::None;
}

bool SystemFileSystem::isOpen() const {
  return descriptor_ >= 0;
}

std::int32_t SystemFileSystem::refill(std::size_t& count) {
  ssize_t read;
  do {
    read = ::read(descriptor_, buffer_.data(), buffer_.size());
  } while (read < 0 && errno == EINTR);
  if (read < 0) return errorCode(errno);
  count = static_cast<std::size_t>(read);
  return io_error::None;
}

std::int32_t SystemFileSystem::write(std::string_view bytes) {
  if (descriptor_ < 0) return io_error::AccessDenied;
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errorCode(errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return io_error::None;
}

std::int32_t SystemFileSystem::close() {
  if (descriptor_ < 0) return io_error::None;
  const int result = ::close(descriptor_);
  descriptor_ = -1;
  return result < 0 ? errorCode(errno) : io_error::None;
}

}  // namespace orvane
