#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system_file_system.hpp"
#include "support/manager_directory.hpp"

namespace orvane {
namespace {

// The system's files, named by their full path in a fresh directory.
class SystemFileSystemTest : public ::testing::Test {
 protected:
  std::string path(std::string_view name) const { return (directory_.path() / name).string(); }

  // Every byte of the open file, up to its end.
  std::string readAll() {
    std::string bytes;
    while (true) {
      std::uint8_t byte = 0;
      bool atEnd = false;
      EXPECT_EQ(files_.readByte(byte, atEnd), io_error::None);
      if (atEnd) return bytes;
      bytes.push_back(static_cast<char>(byte));
    }
  }

  testing::ManagerDirectory directory_;
  SystemFileSystem files_;
};

TEST_F(SystemFileSystemTest, AMissingFileIsNotFound) {
  EXPECT_EQ(files_.openForReading(path("tah.dat")), io_error::FileNotFound);
}

// Windows tells a missing directory (its code 3, path not found) from a missing file; POSIX
// does not.
TEST_F(SystemFileSystemTest, AMissingDirectoryIsReportedWithTheSystemsOwnCode) {
#ifdef _WIN32
  EXPECT_EQ(files_.openForReading(path("missing/tah.dat")), 3);
#else
  EXPECT_EQ(files_.openForReading(path("missing/tah.dat")), io_error::FileNotFound);
#endif
}

TEST_F(SystemFileSystemTest, ADirectoryCannotBeWritten) {
  std::filesystem::create_directory(directory_.path() / "tah.dat");
  EXPECT_EQ(files_.openForWriting(path("tah.dat")), io_error::AccessDenied);
}

// No text mode: CR, LF, CR LF and the byte 26 reach the reader as they are on disk.
TEST_F(SystemFileSystemTest, ReadsEveryByteAsItIsOnDisk) {
  const std::string bytes("o\r\n-x\n\r\r\n\x1a-\0\xff", 13);
  directory_.write("plocha.dat", bytes);
  ASSERT_EQ(files_.openForReading(path("plocha.dat")), io_error::None);
  EXPECT_EQ(readAll(), bytes);
  EXPECT_EQ(files_.close(), io_error::None);
}

TEST_F(SystemFileSystemTest, ReadsAFileLongerThanItsBuffer) {
  std::string bytes;
  for (int i = 0; i < 10000; ++i)
    bytes += (i % 21 == 20) ? '\n' : (i % 21 == 19 ? '\r' : '-');
  directory_.write("plocha.dat", bytes);
  ASSERT_EQ(files_.openForReading(path("plocha.dat")), io_error::None);
  EXPECT_EQ(readAll(), bytes);
  EXPECT_EQ(files_.close(), io_error::None);
}

TEST_F(SystemFileSystemTest, WritesEveryByteAsGivenAndEmptiesTheFileFirst) {
  directory_.write("tah.dat", "a much longer old content\r\n");
  ASSERT_EQ(files_.openForWriting(path("tah.dat")), io_error::None);
  EXPECT_EQ(files_.write("9,5"), io_error::None);
  EXPECT_EQ(files_.write("\r\n\n"), io_error::None);
  EXPECT_EQ(files_.close(), io_error::None);
  EXPECT_EQ(directory_.read("tah.dat"), "9,5\r\n\n");
}

TEST_F(SystemFileSystemTest, OpeningASecondFileIsTooManyOpenFiles) {
  directory_.write("tah.dat", "x");
  ASSERT_EQ(files_.openForReading(path("tah.dat")), io_error::None);
  EXPECT_EQ(files_.openForWriting(path("other.dat")), io_error::TooManyOpenFiles);
  EXPECT_EQ(files_.close(), io_error::None);
  EXPECT_EQ(directory_.read("other.dat"), std::nullopt);
}

TEST_F(SystemFileSystemTest, WithoutAnOpenFileReadAndWriteAreDeniedAndCloseIsHarmless) {
  std::uint8_t byte = 0;
  bool atEnd = false;
  EXPECT_EQ(files_.readByte(byte, atEnd), io_error::AccessDenied);
  EXPECT_EQ(files_.write("x"), io_error::AccessDenied);
  EXPECT_EQ(files_.close(), io_error::None);
}

}  // namespace
}  // namespace orvane
