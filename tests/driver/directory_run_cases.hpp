#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/board_file_text.hpp"
#include "support/expected_banner.hpp"

namespace orvane::testing {

// One run in a directory prepared as a manager would, started at 13:05:42.378 UTC.
struct DirectoryRunCase {
  const char* name;
  std::map<std::string, std::string> files;
  std::string output;
  int exitCode;
  std::optional<std::string> moveFile;  // "tah.dat" after the run; none when it does not exist

  friend void PrintTo(const DirectoryRunCase& c, std::ostream* os) { *os << c.name; }
};

inline std::vector<DirectoryRunCase> DirectoryRunCases() {
  const std::string emptyBoard = BoardFileText({}, {});
  const std::string oneEmptyCell = BoardWithOneEmptyCell(4, 15, 'x', "\r\n");
  const std::string banner(DefaultBanner);
  return {
      {"EmptyBoardOpening",
       {{"tah.dat", "x"}, {"plocha.dat", emptyBoard}, {"timeouts.dat", "5\r\n100000\r\n"}},
       "",
       0,
       "11,9"},
      {"OnlyEmptyCellWithHexTurnTime",
       {{"tah.dat", "o\r\n"}, {"plocha.dat", oneEmptyCell}, {"timeouts.dat", "$1F\r\n180000\r\n"}},
       "",
       0,
       "4,15"},
      {"NoManagerFiles", {}, banner, 0, std::nullopt},
      {"BoardFileMissing", {{"tah.dat", "x"}, {"timeouts.dat", "5\r\n100000\r\n"}}, banner, 0, "x"},
      {"FractionalTurnTime",
       {{"tah.dat", "o"}, {"plocha.dat", oneEmptyCell}, {"timeouts.dat", "5.5\r\n180000\r\n"}},
       "Invalid numeric input\r\n",
       1,
       ""},
  };
}

}  // namespace orvane::testing
