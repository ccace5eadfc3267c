#include "driver/brain_run.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "driver/move_files.hpp"
#include "support/board_file_text.hpp"
#include "support/expected_banner.hpp"
#include "support/fake_clock.hpp"
#include "support/memory_file_system.hpp"
#include "support/recording_console.hpp"

namespace orvane {
namespace {

using testing::BoardFileText;
using testing::Cells;
using Failure = testing::MemoryFileSystem::Failure;
using Operation = testing::MemoryFileSystem::Operation;
using ManagerFiles = std::map<std::string, std::string, std::less<>>;

const std::string Tah(MoveFileName);
const std::string Plocha(BoardFileName);
const std::string Timeouts(TimeoutsFileName);

const std::string EmptyBoard = BoardFileText({}, {});
// Two stones in the middle: few enough for a short search, whatever the turn's time.
const std::string TwoStones =
    BoardFileText({Cells(""), Cells(""), Cells(""), Cells(""), Cells(""), Cells(""), Cells(""),
                   Cells(""), Cells(""), Cells("---------xo")},
                  {});

ManagerFiles Files(std::string tah, std::string plocha, std::string timeouts) {
  return {{Tah, std::move(tah)}, {Plocha, std::move(plocha)}, {Timeouts, std::move(timeouts)}};
}

const ManagerFiles OpeningFiles = Files("x", EmptyBoard, "");

// Board files of opponent stones "o" whose one empty cell is then the only move.
ManagerFiles OnlyMove(std::string plocha) {
  return Files("x", std::move(plocha), "");
}

struct Ending {
  std::string output;
  int exitCode;
  std::optional<std::string> moveFile;  // "tah.dat" after the run; none when it does not exist
  // Whether the search looked at the clock; not checked where a lone candidate is tried, since
  // the search looks at it only between tries.
  std::optional<bool> searches;
};

Ending Answer(std::string move, std::optional<bool> searches) {
  return {"", 0, std::move(move), searches};
}
Ending BannerLeaving(std::optional<std::string> moveFile) {
  return {std::string(testing::DefaultBanner), 0, std::move(moveFile), false};
}
Ending Reported(std::string text, std::string moveFile, bool searches) {
  return {text + "\r\n", 1, std::move(moveFile), searches};
}

struct WholeRunCase {
  const char* name;
  ManagerFiles files;
  std::vector<Failure> failures;
  Ending ending;

  friend void PrintTo(const WholeRunCase& c, std::ostream* os) { *os << c.name; }
};

class WholeRunTest : public ::testing::TestWithParam<WholeRunCase> {};

// Every run starts at 13:05:42.378, local and UTC, on a clock that stands still.
TEST_P(WholeRunTest, EndsWithAnswerBannerOrErrorReport) {
  const WholeRunCase& c = GetParam();
  testing::FakeClock clock;
  testing::MemoryFileSystem files;
  testing::RecordingConsole console;
  files.files = c.files;
  files.failures = c.failures;

  EXPECT_EQ(RunBrain({clock, files, console}), c.ending.exitCode);

  EXPECT_EQ(console.text, c.ending.output);
  const auto moveFile = files.files.find(Tah);
  EXPECT_EQ(moveFile == files.files.end() ? std::nullopt : std::optional(moveFile->second),
            c.ending.moveFile);
  // The search reads the clock after every cell it tries but the last; the run reads it once.
  if (c.ending.searches) {
    EXPECT_EQ(clock.localReadings > 1, *c.ending.searches);
  }
}

const auto NameOf = [](const auto& info) { return std::string(info.param.name); };

// Row 2 takes the line end and the first byte of file line 3; row 5 is then file line 6.
const std::string ShortLineBoard =
    BoardFileText({Cells("o", 'o'), Cells("o", 'o'), std::string(17, 'o'), Cells("o"),
                   Cells("o", 'o'), Cells("o", 'o'), Cells("ooooooo-", 'o')},
                  {.fill = 'o'});
const std::string LongLineBoard = BoardFileText({Cells("o", 'o'), Cells("o", 'o'), Cells("o", 'o'),
                                                 Cells("o", 'o') + "-----", Cells("oooooo-", 'o')},
                                                {.fill = 'o'});

INSTANTIATE_TEST_SUITE_P(
    BoardFileShapes, WholeRunTest,
    ::testing::Values(
        WholeRunCase("EmptyBoardOpening", Files("x", EmptyBoard, "5\r\n100000\r\n"), {},
                     Answer("11,9", false)),
        WholeRunCase("EmptyBoardWithLfEnds",
                     Files("x\r\n", BoardFileText({}, {.lineEnd = "\n"}), "5\n100000\n"), {},
                     Answer("11,9", false)),
        WholeRunCase("DashOwnSymbolStillEmptyBoard", Files("-", EmptyBoard, ""), {},
                     Answer("11,9", false)),
        WholeRunCase("OnlyEmptyCellCrLf",
                     OnlyMove(testing::BoardWithOneEmptyCell(13, 17, 'o', "\r\n")), {},
                     Answer("13,17", std::nullopt)),
        WholeRunCase("OnlyEmptyCellLf", OnlyMove(testing::BoardWithOneEmptyCell(13, 17, 'o', "\n")),
                     {}, Answer("13,17", std::nullopt)),
        WholeRunCase("OnlyEmptyCellAfterLongLine", OnlyMove(LongLineBoard), {},
                     Answer("6,4", std::nullopt)),
        WholeRunCase("OnlyEmptyCellAfterShortLine", OnlyMove(ShortLineBoard), {},
                     Answer("7,5", std::nullopt)),
        WholeRunCase("NineteenFullLinesFillTheBoard",
                     OnlyMove(BoardFileText({}, {.fill = 'o', .lineCount = 19})), {},
                     BannerLeaving("x")),
        WholeRunCase("FullBoard", Files("x", BoardFileText({}, {.fill = 'x'}), "5\r\n9\r\n"), {},
                     BannerLeaving("x"))),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    InputOutputFailures, WholeRunTest,
    ::testing::Values(
        WholeRunCase("NoManagerFiles", {}, {}, BannerLeaving(std::nullopt)),
        WholeRunCase("BoardFileMissing", {{Tah, "x"}, {Timeouts, "5\r\n100000\r\n"}}, {},
                     BannerLeaving("x")),
        WholeRunCase("TimeoutsFileMissing", {{Tah, "x"}, {Plocha, EmptyBoard}}, {},
                     BannerLeaving("x")),
        WholeRunCase("MoveFileCannotBeOpened", OpeningFiles, {{Operation::Open, Tah, 1, 5}},
                     BannerLeaving("x")),
        WholeRunCase("MoveFileReadFails", OpeningFiles, {{Operation::Read, Tah, 1, 1029}},
                     BannerLeaving("x")),
        WholeRunCase("MoveFileCloseFails", OpeningFiles, {{Operation::Close, Tah, 1, 1029}},
                     BannerLeaving("x")),
        WholeRunCase("BoardFileReadFails", OpeningFiles, {{Operation::Read, Plocha, 30, 1029}},
                     BannerLeaving("x")),
        WholeRunCase("BoardFileCloseFails", OpeningFiles, {{Operation::Close, Plocha, 1, 1029}},
                     BannerLeaving("x")),
        WholeRunCase("FractionalTurnTime", Files("x", TwoStones, "5.5\r\n"), {},
                     Reported("Invalid numeric input", "", true)),
        WholeRunCase("TimeoutsReadFails", Files("x", TwoStones, "5\r\n100000\r\n"),
                     {{Operation::Read, Timeouts, 1, 1029}}, Reported("I/O error 1029", "", true)),
        WholeRunCase("TimeoutsCloseFails", Files("x", TwoStones, "0\r\n0\r\n"),
                     {{Operation::Close, Timeouts, 1, 100}},
                     Reported("Read beyond end of file", "", true)),
        WholeRunCase("AnswerCannotBeCreated", OpeningFiles, {{Operation::Open, Tah, 2, 5}},
                     Reported("File access denied", "x", false)),
        WholeRunCase("AnswerFirstWriteFails", OpeningFiles, {{Operation::Write, Tah, 1, 101}},
                     Reported("Disk full", "", false)),
        WholeRunCase("AnswerLastWriteFails", OpeningFiles, {{Operation::Write, Tah, 3, 101}},
                     Reported("Disk full", "11,", false)),
        WholeRunCase("AnswerCloseFails", OpeningFiles, {{Operation::Close, Tah, 2, 1029}},
                     Reported("I/O error 1029", "11,9", false))),
    NameOf);

}  // namespace
}  // namespace orvane
