#include "driver/io_channel.hpp"

#include <array>

#include "driver/integer_token.hpp"

namespace orvane {

void IoChannel::keep(std::int32_t error) {
  if (error != 0) pendingError_ = error;
}

void IoChannel::openForReading(std::string_view name) {
  atEnd_ = false;
  havePeeked_ = false;
  keep(files_.openForReading(name));
}

void IoChannel::openForWriting(std::string_view name) {
  keep(files_.openForWriting(name));
}

void IoChannel::close() {
  keep(files_.close());
}

void IoChannel::write(std::string_view bytes) {
  keep(files_.write(bytes));
}

std::int32_t IoChannel::takePendingError() {
  const std::int32_t error = pendingError_;
  pendingError_ = 0;
  return error;
}

std::uint8_t IoChannel::peekCharacter() {
  if (atEnd_) return EndOfFileCode;
  if (!havePeeked_) {
    bool endOfFile = false;
    const std::int32_t error = files_.readByte(peeked_, endOfFile);
    keep(error);
    // A failed read ends the file as well, so that no later read retries it.
    if (error != 0 || endOfFile || peeked_ == EndOfFileCode) {
      atEnd_ = true;
      return EndOfFileCode;
    }
    havePeeked_ = true;
  }
  return peeked_;
}

std::uint8_t IoChannel::ReadCharacter() {
  const std::uint8_t byte = peekCharacter();
  havePeeked_ = false;
  return byte;
}

void IoChannel::SkipLine() {
  while (true) {
    const std::uint8_t byte = ReadCharacter();
    if (byte == '\n' || atEnd_) return;
  }
}

std::int32_t IoChannel::ReadInteger() {
  constexpr std::size_t LongestToken = 32;
  while (peekCharacter() <= ' ') {
    if (atEnd_) return 0;
    ReadCharacter();
  }
  std::array<char, LongestToken> token{};
  std::size_t length = 0;
  while (length < LongestToken && peekCharacter() > ' ') {
    token[length++] = static_cast<char>(ReadCharacter());
  }
  const IntegerConversion converted = ConvertIntegerToken(std::string_view(token.data(), length));
  keep(converted.error);
  return converted.value;
}

}  // namespace orvane
