// Runs the file brain on a manager's directory made from the input (see fuzzed_directory.hpp):
// any contents, missing files, directories in their place, failures of the file system, and a
// clock that stands still, then jumps an hour ahead. The run must end in exactly the way the
// directory calls for, leave every file but "tah.dat" alone, answer with an empty cell of the
// board it read, and stop searching soon after the turn's time has passed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "driver/brain_run.hpp"
#include "fuzzed_directory.hpp"
#include "jumping_clock.hpp"
#include "manager_reading.hpp"
#include "support/expected_banner.hpp"
#include "support/recording_console.hpp"

namespace {

using orvane::testing::MemoryFileSystem;
using Operation = MemoryFileSystem::Operation;
using orvane::fuzz::answerCell;
using orvane::fuzz::emptyCells;
using orvane::fuzz::errorReport;
using orvane::fuzz::plainNumbers;

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "file run: %s\n", what);
  std::abort();
}

// What the directory and the failures that struck call for.
struct Expectation {
  bool banner = false;
  // Failures struck that end the run with an error report. Without them only an ill-formed
  // number in "timeouts.dat" can, and it leaves "tah.dat" empty.
  bool errorReport = false;
  bool errorFromTimeouts = false;     // "tah.dat" is then created and left empty
  std::set<std::int32_t> errorCodes;  // the codes an error report may name
};

// The manager's directory before the run and the file system after it.
struct RunRecord {
  const MemoryFileSystem& before;
  const MemoryFileSystem& after;

  bool missing(std::string_view name) const {
    return !before.files.contains(name) && !before.directories.contains(name);
  }
  bool directory(std::string_view name) const { return before.directories.contains(name); }

  // The codes of the injected failures that struck `operation` on `file`, within the given
  // occurrences.
  std::set<std::int32_t> struck(Operation operation, std::string_view file, int first = 1,
                                int last = 1 << 20) const {
    std::set<std::int32_t> codes;
    for (const MemoryFileSystem::Failure& failure : before.failures) {
      if (failure.operation == operation && failure.file == file && failure.occurrence >= first &&
          failure.occurrence <= last && failure.occurrence <= after.count(operation, file)) {
        codes.insert(failure.code);
      }
    }
    return codes;
  }
};

Expectation expectedEnding(const RunRecord& run) {
  using orvane::BoardFileName;
  using orvane::MoveFileName;
  using orvane::TimeoutsFileName;
  Expectation expected;
  // A failure to open, read or close tah.dat or plocha.dat, or to open timeouts.dat, is seen by the
  // check after the next opening and ends the run with the banner; so does a full board.
  for (const std::string_view name : {MoveFileName, BoardFileName}) {
    if (run.missing(name) || run.directory(name) ||
        !run.struck(Operation::Open, name, 1, 1).empty() ||
        !run.struck(Operation::Read, name).empty() ||
        !run.struck(Operation::Close, name, 1, 1).empty()) {
      expected.banner = true;
    }
  }
  if (run.missing(TimeoutsFileName) || !run.struck(Operation::Open, TimeoutsFileName).empty()) {
    expected.banner = true;
  }
  const auto board = run.before.files.find(BoardFileName);
  if (board != run.before.files.end() && emptyCells(board->second).none()) expected.banner = true;
  if (expected.banner) return expected;

  const auto merge = [&](const std::set<std::int32_t>& codes) {
    expected.errorCodes.insert(codes.begin(), codes.end());
  };
  merge(run.struck(Operation::Read, TimeoutsFileName));
  merge(run.struck(Operation::Close, TimeoutsFileName));
  if (run.directory(TimeoutsFileName)) expected.errorCodes.insert(5);
  const auto timeouts = run.before.files.find(TimeoutsFileName);
  const bool numbersMayBeIllFormed =
      timeouts != run.before.files.end() && !plainNumbers(timeouts->second);
  expected.errorFromTimeouts = !expected.errorCodes.empty();
  merge(run.struck(Operation::Open, MoveFileName, 2, 2));
  merge(run.struck(Operation::Write, MoveFileName));
  merge(run.struck(Operation::Close, MoveFileName, 2, 2));
  expected.errorReport = !expected.errorCodes.empty();
  if (numbersMayBeIllFormed) expected.errorCodes.insert(106);
  return expected;
}

void checkFilesLeftAlone(const MemoryFileSystem& before, const MemoryFileSystem& after) {
  require(after.strayUses == 0, "a read or write without its file open");
  require(after.openedForWriting.size() <= 1, "more than one file opened for writing");
  require(std::all_of(after.openedForWriting.begin(), after.openedForWriting.end(),
                      [](const std::string& name) { return name == orvane::MoveFileName; }),
          "a file other than tah.dat opened for writing");
  auto others = [](const MemoryFileSystem& files) {
    auto copy = files.files;
    copy.erase(std::string(orvane::MoveFileName));
    return copy;
  };
  require(others(before) == others(after), "a file other than tah.dat changed or appeared");
}

std::optional<std::string> content(const MemoryFileSystem& files, std::string_view name) {
  const auto found = files.files.find(name);
  return found == files.files.end() ? std::nullopt : std::optional(found->second);
}

struct Ending {
  int exitCode;
  std::string output;
  std::optional<std::string> moveFile;  // "tah.dat" after the run
};

void checkBanner(const RunRecord& run, const Ending& ending) {
  require(ending.exitCode == 0 && ending.output == orvane::testing::DefaultBanner,
          "expected the banner and exit code 0");
  require(run.after.openedForWriting.empty() &&
              ending.moveFile == content(run.before, orvane::MoveFileName),
          "tah.dat touched by a run that ended with the banner");
}

void checkErrorReport(const RunRecord& run, const Expectation& expected, const Ending& ending) {
  require(expected.errorReport || expected.errorCodes.contains(106),
          "an error report the directory does not call for");
  require(std::any_of(expected.errorCodes.begin(), expected.errorCodes.end(),
                      [&](std::int32_t code) { return ending.output == errorReport(code); }),
          "an error report that names none of the run's errors");
  if (!run.struck(Operation::Open, orvane::MoveFileName, 2, 2).empty()) {
    require(ending.moveFile == content(run.before, orvane::MoveFileName),
            "tah.dat changed although it was not created");
  } else if (expected.errorFromTimeouts || !expected.errorReport) {
    require(ending.moveFile == "", "tah.dat not left empty after an ill-read timeouts.dat");
  } else {
    require(
        ending.moveFile && ending.moveFile->find_first_not_of("0123456789,") == std::string::npos,
        "tah.dat holds more than the start of an answer");
  }
}

void checkAnswer(const RunRecord& run, const Expectation& expected, const Ending& ending) {
  require(!expected.errorReport, "an answer where the run should have reported an error");
  require(ending.exitCode == 0 && ending.output.empty(),
          "an answer with output or a nonzero exit code");
  const auto cell = answerCell(ending.moveFile.value_or(""));
  require(cell.has_value(), "tah.dat does not hold x,y for a cell of the board");
  const auto empty = emptyCells(run.before.files.at(std::string(orvane::BoardFileName)));
  require(empty.test(cell->first + 20 * cell->second),
          "the answer is not an empty cell of the board read");
  if (empty.all()) {
    require(cell->first >= 8 && cell->first <= 11 && cell->second >= 8 && cell->second <= 11,
            "the opening move is outside the centre block");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvane::fuzz::FuzzedDirectory directory =
      orvane::fuzz::DecodeDirectory(std::string_view(reinterpret_cast<const char*>(data), size));
  const MemoryFileSystem before = directory.files;
  const orvane::fuzz::JumpingClock clock(directory);
  orvane::testing::RecordingConsole console;

  const int exitCode = orvane::RunBrain({clock, directory.files, console});

  checkFilesLeftAlone(before, directory.files);
  // Once the turn's time has passed, each level of the search looks at the clock at most once
  // more; the search is never deeper than 10 plies.
  require(clock.lateReadings() <= 10, "the search went on after the turn's time");

  const RunRecord run{before, directory.files};
  const Expectation expected = expectedEnding(run);
  const Ending ending{exitCode, console.text, content(directory.files, orvane::MoveFileName)};
  if (expected.banner) {
    checkBanner(run, ending);
  } else if (exitCode == 1) {
    checkErrorReport(run, expected, ending);
  } else {
    checkAnswer(run, expected, ending);
  }
  return 0;
}
