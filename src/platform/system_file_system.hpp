#pragma once

#include <array>
#include <cstddef>

#include "platform/file_system.hpp"

namespace orvane {

// Files of the current directory, read and written byte for byte, with the system's errors
// mapped to the brain's error codes: through the POSIX calls on Linux, through the Win32 file
// calls on Windows (which know no text mode).
class SystemFileSystem final : public FileSystem {
 public:
  ~SystemFileSystem() override;
  std::int32_t openForReading(std::string_view name) override { return open(name, false); }
  std::int32_t openForWriting(std::string_view name) override { return open(name, true); }
  std::int32_t readByte(std::uint8_t& byte, bool& atEnd) override;
  std::int32_t write(std::string_view bytes) override;
  std::int32_t close() override;

 private:
  std::int32_t open(std::string_view name, bool forWriting);
  bool isOpen() const;
  // Reads the next bytes of the open file into the buffer; `count` is 0 at the end of the file.
  std::int32_t refill(std::size_t& count);

#ifdef _WIN32
  void* handle_ = nullptr;  // the open file's HANDLE, null when none is open
#else
  int descriptor_ = -1;
#endif
  std::array<std::uint8_t, 4096> buffer_{};
  std::size_t buffered_ = 0;
  std::size_t next_ = 0;
};

}  // namespace orvane
