#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "driver/move_files.hpp"
#include "support/memory_file_system.hpp"

namespace orvane::fuzz {

// A manager's directory, the clock and the file-system failures of one run, decoded from the
// fuzzer's input. Layout (bytes past the end read as 0):
//   byte 0      two bits a file, "tah.dat" lowest, then "plocha.dat", then "timeouts.dat":
//               1 the file is missing, 2 it is a directory, 0 and 3 it is a regular file
//   bytes 1-4   local time of the start in milliseconds after midnight (big-endian, modulo a day);
//               from 0xF0000000 up, a start within the last 4.1 seconds before midnight
//   bytes 5-8   UTC time of day in milliseconds (big-endian, modulo a day): the random seed
//   byte 9      how many times the local clock is read before it jumps an hour ahead (1 to 16)
//   byte 10     number of injected failures (modulo 4), then four bytes for each: the operation
//               (low two bits: open, read, write, close) and the file (next two bits: "tah.dat",
//               "plocha.dat", "timeouts.dat", "tah.dat"), the occurrence (two bytes, modulo 512,
//               plus 1) and the error code (an index into FailureCodes)
//   the rest    the contents of the three files in the same order, separated by FileSeparator
struct FuzzedDirectory {
  testing::MemoryFileSystem files;
  std::uint32_t startMilliseconds = 0;
  std::uint32_t utcMilliseconds = 0;
  int frozenReadings = 1;
};

inline constexpr std::array<std::string_view, 3> ManagerFileNames = {MoveFileName, BoardFileName,
                                                                     TimeoutsFileName};
inline constexpr std::string_view FileSeparator = "\n=@=\n";
inline constexpr std::uint32_t MillisecondsPerDay = 24 * 3600 * 1000;
inline constexpr std::array<std::int32_t, 8> FailureCodes = {2, 3, 4, 5, 100, 101, 106, 1029};

namespace detail {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::uint8_t byte() {
    if (next_ == bytes_.size()) return 0;
    return static_cast<std::uint8_t>(bytes_[next_++]);
  }
  std::uint32_t bigEndian(int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
      value = value << 8 | byte();
    return value;
  }
  std::string_view rest() const { return bytes_.substr(next_); }

 private:
  std::string_view bytes_;
  std::size_t next_ = 0;
};

inline std::uint32_t startTime(std::uint32_t value) {
  constexpr std::uint32_t NearMidnight = 0xF0000000;
  if (value >= NearMidnight) return MillisecondsPerDay - 1 - (value - NearMidnight) % 4096;
  return value % MillisecondsPerDay;
}

}  // namespace detail

inline FuzzedDirectory DecodeDirectory(std::string_view input) {
  using Operation = testing::MemoryFileSystem::Operation;
  detail::ByteReader reader(input);
  FuzzedDirectory directory;
  const std::uint8_t kinds = reader.byte();
  directory.startMilliseconds = detail::startTime(reader.bigEndian(4));
  directory.utcMilliseconds = reader.bigEndian(4) % MillisecondsPerDay;
  directory.frozenReadings = 1 + reader.byte() % 16;
  const int failureCount = reader.byte() % 4;
  for (int i = 0; i < failureCount; ++i) {
    const std::uint8_t target = reader.byte();
    const int occurrence = 1 + static_cast<int>(reader.bigEndian(2) % 512);
    const std::int32_t code = FailureCodes[reader.byte() % FailureCodes.size()];
    directory.files.failures.push_back({static_cast<Operation>(target & 3),
                                        std::string(ManagerFileNames[(target >> 2 & 3) % 3]),
                                        occurrence, code});
  }

  std::string_view contents = reader.rest();
  for (std::size_t file = 0; file < ManagerFileNames.size(); ++file) {
    const std::size_t end = contents.find(FileSeparator);
    const std::string_view content = contents.substr(0, end);
    contents = end == std::string_view::npos ? "" : contents.substr(end + FileSeparator.size());
    const std::string name(ManagerFileNames[file]);
    switch (kinds >> (2 * file) & 3) {
      case 1:
        break;
      case 2:
        directory.files.directories.insert(name);
        break;
      default:
        directory.files.files[name] = std::string(content);
    }
  }
  return directory;
}

}  // namespace orvane::fuzz
