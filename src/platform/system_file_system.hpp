#pragma once

#include <array>
#include <cstddef>

#include "platform/file_system.hpp"

namespace orvane {

// Files of the current directory through the POSIX calls, with the system's errors mapped to the
// brain's error codes.
class SystemFileSystem final : public FileSystem {
 public:
  ~SystemFileSystem() override;
  std::int32_t openForReading(std::string_view name) override;
  std::int32_t openForWriting(std::string_view name) override;
  std::int32_t readByte(std::uint8_t& byte, bool& atEnd) override;
  std::int32_t write(std::string_view bytes) override;
  std::int32_t close() override;

 private:
  std::int32_t open(std::string_view name, int flags);

  int descriptor_ = -1;
  std::array<std::uint8_t, 4096> buffer_{};
  std::size_t buffered_ = 0;
  std::size_t next_ = 0;
};

}  // namespace orvane
