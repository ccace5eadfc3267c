#pragma once

#include <cstdint>
#include <string_view>

#include "platform/file_system.hpp"

namespace orvane {

// Byte given at the end of a file, and by a byte 26 inside one, which ends the file for every
// later read.
inline constexpr std::uint8_t EndOfFileCode = 26;

// The run's one input/output channel. Every failure is kept as the one pending error code; a
// successful operation never clears it, only takePendingError() does.
class IoChannel {
 public:
  explicit IoChannel(FileSystem& files) : files_(files) {}

  void openForReading(std::string_view name);
  void openForWriting(std::string_view name);
  void close();
  void write(std::string_view bytes);

  std::uint8_t ReadCharacter();
  // Reads up to and including the next line feed, or to the end of the file.
  void SkipLine();
  // Skips bytes of code 32 or less, collects up to 32 bytes above 32 and converts them; 0 at the
  // end of the file.
  std::int32_t ReadInteger();

  std::int32_t pendingError() const { return pendingError_; }
  // The check after opening a file for reading: gives the pending code and resets it.
  std::int32_t takePendingError();

 private:
  std::uint8_t peekCharacter();
  void keep(std::int32_t error);

  FileSystem& files_;
  std::int32_t pendingError_ = 0;
  bool atEnd_ = false;
  bool havePeeked_ = false;
  std::uint8_t peeked_ = 0;
};

}  // namespace orvane
