#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "driver/io_channel.hpp"
#include "driver/move_files.hpp"
#include "support/memory_file_system.hpp"

namespace orvane {
namespace {

constexpr std::int32_t InvalidNumber = io_error::InvalidNumericInput;

struct TimeoutsCase {
  const char* name;
  std::string text;
  // No value when the token is ill-formed and the value read does not matter.
  std::optional<std::int32_t> turnSeconds;
  std::int32_t matchTimeLeft;
  std::int32_t error;

  friend void PrintTo(const TimeoutsCase& c, std::ostream* os) { *os << c.name; }
};

class ReadTimeoutsTest : public ::testing::TestWithParam<TimeoutsCase> {};

TEST_P(ReadTimeoutsTest, ReadsTwoIntegersOnTwoLines) {
  const TimeoutsCase& c = GetParam();
  testing::MemoryFileSystem files;
  files.files[std::string(TimeoutsFileName)] = c.text;
  IoChannel channel(files);
  channel.openForReading(TimeoutsFileName);
  ASSERT_EQ(channel.takePendingError(), 0);

  const Timeouts timeouts = ReadTimeouts(channel);

  if (c.turnSeconds) {
    EXPECT_EQ(timeouts.turnSeconds, *c.turnSeconds);
  }
  EXPECT_EQ(timeouts.matchTimeLeft, c.matchTimeLeft);
  EXPECT_EQ(channel.pendingError(), c.error);
}

const std::string ThirtyOneZeros(31, '0');

INSTANTIATE_TEST_SUITE_P(
    FileForms, ReadTimeoutsTest,
    ::testing::Values(
        TimeoutsCase{"Empty", "", 0, 0, 0},
        TimeoutsCase{"CrLfLines", "5\r\n100000\r\n", 5, 100000, 0},
        TimeoutsCase{"LfLinesWithoutLastEnd", "5\n100000", 5, 100000, 0},
        TimeoutsCase{"BlankLinesAndTabsSkipped", "\r\n\t 5 \r\n\r\n\r\n 100000\r\n", 5, 100000, 0},
        TimeoutsCase{"SecondValueOnFirstLineLost", "5 100000\r\n7\r\n", 5, 7, 0},
        TimeoutsCase{"SecondValueMissing", "5 100000\r\n", 5, 0, 0},
        TimeoutsCase{"Signs", "+12\r\n-12\r\n", 12, -12, 0},
        TimeoutsCase{"Extremes", "2147483647\r\n-2147483648\r\n", INT_MAX, INT_MIN, 0},
        TimeoutsCase{"DollarHex", "$1F\r\n$ff\r\n", 31, 255, 0},
        TimeoutsCase{"LetterXHex", "x1f\r\nX1F\r\n", 31, 31, 0},
        TimeoutsCase{"ZeroXHex", "0X1F\r\n0x7fffffff\r\n", 31, INT_MAX, 0},
        TimeoutsCase{"LongestHexWraps", "5\r\n$FFFFFFFF\r\n", 5, -1, 0},
        TimeoutsCase{"FractionStopsAtPoint", "5.5\r\n100000\r\n", 5, 100000, InvalidNumber},
        TimeoutsCase{"SignedDigitsThenLetter", "5\r\n-7a\r\n", 5, 7, InvalidNumber},
        TimeoutsCase{"SignOnly", "-\r\n100\r\n", std::nullopt, 100, InvalidNumber},
        TimeoutsCase{"DollarOnly", "$\r\n100\r\n", std::nullopt, 100, InvalidNumber},
        TimeoutsCase{"ZeroXOnly", "0x\r\n100\r\n", std::nullopt, 100, InvalidNumber},
        TimeoutsCase{"SignedHex", "$-1\r\n100\r\n", std::nullopt, 100, InvalidNumber},
        TimeoutsCase{"Letters", "abc\r\n100\r\n", std::nullopt, 100, InvalidNumber},
        TimeoutsCase{"DecimalAboveRange", "2147483648\r\n100\r\n", std::nullopt, 100,
                     InvalidNumber},
        TimeoutsCase{"DecimalBelowRange", "-2147483649\r\n100\r\n", std::nullopt, 100,
                     InvalidNumber},
        TimeoutsCase{"DecimalTooManyDigits", "21474836470\r\n100\r\n", std::nullopt, 100,
                     InvalidNumber},
        TimeoutsCase{"HexTooManyDigits", "$100000000\r\n100\r\n", std::nullopt, 100, InvalidNumber},
        TimeoutsCase{"TokenStopsAfter32Bytes", ThirtyOneZeros + "79\r\n42\r\n", 7, 42, 0},
        TimeoutsCase{"EndCodeEndsFile", "5\x1a\r\n100\r\n", 5, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane
