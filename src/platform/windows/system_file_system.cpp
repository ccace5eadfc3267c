#include "platform/system_file_system.hpp"

#include <windows.h>

#include <algorithm>
#include <string>

namespace orvane {

namespace {

// Not in mingw-w64's winerror.h; the value is Windows'.
constexpr DWORD ErrorDiskQuotaExceeded = 1295;

// The system's own error codes: on Windows, 2 (file not found), 3 (path not found), 4 (too many
// open files) and 5 (access denied) are the codes of the error report already. A full disk, or
// a used-up disk quota, is "Disk full". Any other code is kept, except where it equals one of
// the report's codes above 5 while meaning something else: such a code is moved past them, by
// 1000, as on Linux.
std::int32_t errorCode(DWORD systemError) {
  switch (systemError) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ErrorDiskQuotaExceeded:
      return io_error::DiskFull;
    case io_error::ReadBeyondEnd:
    case io_error::DiskFull:
    case io_error::InvalidNumericInput:
      return static_cast<std::int32_t>(systemError) + 1000;
    default:
      return static_cast<std::int32_t>(systemError);
  }
}

// The largest count one ReadFile or WriteFile call is given.
constexpr std::size_t LargestTransfer = 1 << 20;

}  // namespace

SystemFileSystem::~SystemFileSystem() {
  if (handle_ != nullptr) CloseHandle(handle_);
}

// The Win32 file calls have no text mode: every byte is read and written as it is.
std::int32_t SystemFileSystem::open(std::string_view name, bool forWriting) {
  if (handle_ != nullptr) return io_error::TooManyOpenFiles;
  const std::string path(name);
  const HANDLE opened =
      forWriting ? CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr)
                 : CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return errorCode(GetLastError());
  handle_ = opened;
  buffered_ = 0;
  next_ = 0;
  return io_error::None;
}

bool SystemFileSystem::isOpen() const {
  return handle_ != nullptr;
}

std::int32_t SystemFileSystem::refill(std::size_t& count) {
  DWORD read = 0;
  if (!ReadFile(handle_, buffer_.data(), static_cast<DWORD>(buffer_.size()), &read, nullptr)) {
    const DWORD error = GetLastError();
    if (error != ERROR_HANDLE_EOF) return errorCode(error);
    read = 0;
  }
  count = read;
  return io_error::None;
}

std::int32_t SystemFileSystem::write(std::string_view bytes) {
  if (handle_ == nullptr) return io_error::AccessDenied;
  while (!bytes.empty()) {
    const DWORD size = static_cast<DWORD>(std::min(bytes.size(), LargestTransfer));
    DWORD written = 0;
    if (!WriteFile(handle_, bytes.data(), size, &written, nullptr)) {
      return errorCode(GetLastError());
    }
    // A write that succeeds without writing anything found no room left.
    if (written == 0) return io_error::DiskFull;
    bytes.remove_prefix(written);
  }
  return io_error::None;
}

std::int32_t SystemFileSystem::close() {
  if (handle_ == nullptr) return io_error::None;
  const BOOL closed = CloseHandle(handle_);
  handle_ = nullptr;
  return closed ? io_error::None : errorCode(GetLastError());
}

}  // namespace orvane
