#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// Error codes that carry the same meaning on every system; any other failure keeps the system's
// own number.
namespace io_error {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t FileNotFound = 2;
inline constexpr std::int32_t InvalidFilename = 3;
inline constexpr std::int32_t TooManyOpenFiles = 4;
inline constexpr std::int32_t AccessDenied = 5;
inline constexpr std::int32_t ReadBeyondEnd = 100;
inline constexpr std::int32_t DiskFull = 101;
inline constexpr std::int32_t InvalidNumericInput = 106;
}  // namespace io_error

// One file at a time in the current directory, opened by name. Every operation returns 0 on
// success or an error code.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual std::int32_t openForReading(std::string_view name) = 0;
  // Creates the file, or empties it if it exists.
  virtual std::int32_t openForWriting(std::string_view name) = 0;
  // Reads the next byte; at the end of the file sets `atEnd` and leaves `byte` alone.
  virtual std::int32_t readByte(std::uint8_t& byte, bool& atEnd) = 0;
  virtual std::int32_t write(std::string_view bytes) = 0;
  virtual std::int32_t close() = 0;
};

}  // namespace orvane
