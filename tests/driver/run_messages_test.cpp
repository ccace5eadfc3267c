#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "driver/banner.hpp"
#include "driver/error_report.hpp"
#include "support/expected_banner.hpp"

namespace orvane {
namespace {

TEST(InformationBannerTest, DefaultSettings) {
  EXPECT_EQ(InformationBanner(Budget{}), testing::DefaultBanner);
}

TEST(InformationBannerTest, PrintsTheLiveSettings) {
  EXPECT_EQ(InformationBanner(Budget{65535, 2}),
            "Go-moku brain Orvane v1.6 2004\r\n"
            "settings: H2 K2.5 V12 P8.0 ST1-2700 ST2-0 AST1-660 AST2-200\r\n"
            "            Extremy:TRUE Utok:FALSE Vyhra1:TRUE Vyhra2:1\r\n"
            "defines: limit_turn:65535 limit_match-rozjezd:4 MSWINDOWS \r\n"
            "Written by the Orvane developers.\r\n"
            "\r\n"
            "Program works only with a go-moku manager.\r\n"
            "The file tah.dat, timeouts.dat or plocha.dat/pole.dat is probably missing in the "
            "directory.\r\n"
            "\r\n"
            "more info: README.md in the Orvane source tree\r\n");
}

struct ErrorReportCase {
  std::int32_t code;
  const char* expected;

  friend void PrintTo(const ErrorReportCase& c, std::ostream* os) { *os << c.code; }
};

class ErrorReportTest : public ::testing::TestWithParam<ErrorReportCase> {};

TEST_P(ErrorReportTest, BareTextThenCrLf) {
  EXPECT_EQ(ErrorReport(GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, ErrorReportTest,
                         ::testing::Values(ErrorReportCase{2, "File not found\r\n"},
                                           ErrorReportCase{3, "Invalid filename\r\n"},
                                           ErrorReportCase{4, "Too many open files\r\n"},
                                           ErrorReportCase{5, "File access denied\r\n"},
                                           ErrorReportCase{100, "Read beyond end of file\r\n"},
                                           ErrorReportCase{101, "Disk full\r\n"},
                                           ErrorReportCase{106, "Invalid numeric input\r\n"},
                                           ErrorReportCase{1005, "I/O error 1005\r\n"},
                                           ErrorReportCase{-3, "I/O error -3\r\n"}));

}  // namespace
}  // namespace orvane
