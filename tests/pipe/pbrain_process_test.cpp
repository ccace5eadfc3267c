#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "patterns/board.hpp"
#include "reply_matching.hpp"
#include "support/child_process.hpp"
#include "support/frozen_clock_run.hpp"
#include "support/manager_directory.hpp"

namespace orvane::pipe {
namespace {

using matching::About;
using matching::AnyError;
using matching::AnyMessage;
using matching::AnyMove;
using matching::ExpectReplies;
using matching::ParseMove;
using orvane::testing::ChildProcess;
using orvane::testing::FrozenClockCommand;
using orvane::testing::FrozenClockEnvironment;
using orvane::testing::HasFaketime;

// The manager's lines joined with `lineEnd`.
std::string Script(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
  std::string script;
  for (const std::string& line : lines)
    script += line + lineEnd;
  return script;
}

// The brain owns four in a row from 5,5 to 8,5, closed on the left: 9,5 wins at once.
const std::vector<std::string> FourToComplete = {"START 20", "INFO timeout_turn 0",
                                                 "BOARD",    "4,5,2",
                                                 "5,5,1",    "6,5,1",
                                                 "7,5,1",    "8,5,1",
                                                 "5,6,2",    "6,6,2",
                                                 "7,6,2",    "DONE"};

std::vector<std::string> Joined(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

struct ScriptCase {
  const char* name;
  std::string input;  // written at once, then the brain's input is closed
  std::vector<std::string> replies;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ScriptCase& c, std::ostream* os) {
  *os << c.name;
}

class PbrainScriptTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(PbrainScriptTest, AnswersEveryCommandAndExitsCleanly) {
  const ScriptCase& c = GetParam();
  ChildProcess brain({PBRAIN_BINARY}, {});
  ASSERT_TRUE(brain.write(c.input));
  brain.closeInput();
  const matching::Replies replies = matching::SplitReplies(brain.readAll());
  EXPECT_EQ(brain.wait(), 0);
  EXPECT_TRUE(replies.everyLineEndsInCrLf);
  ExpectReplies(replies.lines, c.replies);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, PbrainScriptTest,
    ::testing::Values(
        ScriptCase{
            "BoardWithCrLf", Script(Joined(FourToComplete, {"END"})), {"OK", AnyMessage, "9,5"}},
        ScriptCase{"BoardWithLf",
                   Script(Joined(FourToComplete, {"END"}), "\n"),
                   {"OK", AnyMessage, "9,5"}},
        ScriptCase{"BoardWithCr",
                   Script(Joined(FourToComplete, {"END"}), "\r"),
                   {"OK", AnyMessage, "9,5"}},
        ScriptCase{"IllegalMovesAndTakeback",
                   Script(Joined(FourToComplete,
                                 {"TURN 9,5", "TURN 5,6", "TURN 20,5", "TURN 3,-1", "TAKEBACK 9,5",
                                  "TAKEBACK 9,5", "TAKEBACK 0,0", "TURN 9,5", "END"})),
                   {"OK", AnyMessage, "9,5", AnyError, AnyError, AnyError, AnyError, "OK", AnyError,
                    AnyError, AnyMessage, AnyMove}},
        ScriptCase{
            "ErrorAndUnknown",
            Script({"START 21",
                    "RECTSTART 20,4",
                    "HELLO",
                    std::string("\x01\x02\xff", 3),
                    std::string(10000, 'x'),
                    "TURN 5",
                    "TURN",
                    "BEGIN please",
                    "INFO timeout_turn soon",
                    "INFO rule 12",
                    "INFO folder /tmp",
                    "START 20",
                    "BEGIN",
                    "INFO rule 0",
                    "START 20",
                    "BOARD",
                    "1,1,1",
                    "1,1,2",
                    "DONE",
                    "BOARD",
                    "1,1,7",
                    "DONE",
                    "ABOUT",
                    "END",
                    "ABOUT"}),
            {AnyError, AnyError, "UNKNOWN HELLO", "UNKNOWN ???", AnyError, AnyError, AnyError,
             AnyError, AnyError, AnyError, AnyError, "OK", AnyError, AnyError, About}},
        ScriptCase{"InputClosedWithoutEnd", Script({"START 20", "ABOUT"}), {"OK", About}}),
    [](const auto& info) { return std::string(info.param.name); });

// The next reply that is not a MESSAGE, or "" when the brain stays silent.
std::string Ask(ChildProcess& brain, const std::string& command) {
  if (!brain.write(command + "\r\n")) return "";
  while (const std::optional<std::string> line = brain.readLine()) {
    if (!line->starts_with("MESSAGE ")) return *line;
  }
  return "";
}

// Each reply is read before the next command is written, as a manager does: a brain that kept
// its answer in a buffer would stall the game here.
TEST(PbrainGameTest, PlaysAWholeGameCommandByCommand) {
  ChildProcess brain({PBRAIN_BINARY}, {});
  ASSERT_EQ(Ask(brain, "START 20"), "OK");
  ASSERT_TRUE(brain.write(Script({"INFO timeout_turn 1000", "INFO timeout_match 0", "INFO rule 0",
                                  "INFO time_left 2147483647", "INFO game_type 1"})));
  Board board;
  auto expectEmptyCellPlayed = [&board](const std::string& reply) {
    const std::optional<Move> move = ParseMove(reply);
    ASSERT_TRUE(move.has_value()) << reply;
    ASSERT_EQ(board.at(move->x, move->y), CellState::Empty) << reply;
    board.set(move->x, move->y, CellState::Own);
  };

  expectEmptyCellPlayed(Ask(brain, "BEGIN"));
  const Move corners[] = {{0, 0}, {19, 19}, {0, 19}, {19, 0}, {10, 0}, {0, 10}, {19, 10}};
  for (const Move& opponent : corners) {
    board.set(opponent.x, opponent.y, CellState::Opponent);
    expectEmptyCellPlayed(Ask(brain, "TURN " + MoveReply(opponent)));
  }

  ASSERT_TRUE(brain.write("END\r\n"));
  EXPECT_EQ(brain.readAll(), "");
  EXPECT_EQ(brain.wait(), 0);
}

// A position of bench/positions as the file-protocol brain's three files.
struct ManagerFiles {
  std::string moveFile;
  std::string boardFile;
  std::string timeoutsFile;
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// The same position and timing as the manager's commands: cells "-" empty, the first byte of
// "tah.dat" the brain's stones, anything else the opponent's; the turn in seconds and the match
// time left become timeout_turn and time_left.
std::string CommandsFor(const ManagerFiles& files) {
  std::istringstream timeouts(files.timeoutsFile);
  long turnSeconds = 0;
  long matchTimeLeft = 0;
  timeouts >> turnSeconds >> matchTimeLeft;
  std::vector<std::string> lines = {"START 20",
                                    "INFO timeout_turn " + std::to_string(turnSeconds * 1000),
                                    "INFO time_left " + std::to_string(matchTimeLeft), "BOARD"};
  std::istringstream rows(files.boardFile);
  std::string row;
  for (int y = 0; y < BoardSide && std::getline(rows, row); ++y) {
    for (int x = 0; x < BoardSide && x < static_cast<int>(row.size()); ++x) {
      if (row[x] == '-') continue;
      const char owner = row[x] == files.moveFile.at(0) ? '1' : '2';
      lines.push_back(std::to_string(x) + "," + std::to_string(y) + "," + owner);
    }
  }
  lines.push_back("DONE");
  lines.push_back("END");
  return Script(lines);
}

class FileAndPipeAgreeTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    if (!HasFaketime()) {
      GTEST_SKIP() << "faketime (Debian package faketime) is not installed: the brains' clocks "
                      "cannot be frozen";
    }
  }
};

// Under one frozen clock both brains take the same start time and seed, so the same position
// and timing must give the same move.
TEST_P(FileAndPipeAgreeTest, SameMoveFromTheFilesAndFromBoard) {
  const std::filesystem::path source = std::filesystem::path(ORVANE_POSITIONS_DIR) / GetParam();
  const ManagerFiles files{ReadFile(source / "tah.dat"), ReadFile(source / "plocha.dat"),
                           ReadFile(source / "timeouts.dat")};
  ASSERT_FALSE(files.moveFile.empty());

  const orvane::testing::ManagerDirectory directory;
  directory.write("tah.dat", files.moveFile);
  directory.write("plocha.dat", files.boardFile);
  directory.write("timeouts.dat", files.timeoutsFile);
  ChildProcess fileBrain(FrozenClockCommand(ORVANE_BRAIN_BINARY), FrozenClockEnvironment(),
                         directory.path());
  fileBrain.closeInput();
  EXPECT_EQ(fileBrain.readAll(), "");
  ASSERT_EQ(fileBrain.wait(), 0);
  const std::optional<std::string> fileAnswer = directory.read("tah.dat");
  ASSERT_TRUE(fileAnswer.has_value());
  ASSERT_TRUE(ParseMove(*fileAnswer).has_value()) << *fileAnswer;

  ChildProcess pipeBrain(FrozenClockCommand(PBRAIN_BINARY), FrozenClockEnvironment());
  ASSERT_TRUE(pipeBrain.write(CommandsFor(files)));
  pipeBrain.closeInput();
  const matching::Replies replies = matching::SplitReplies(pipeBrain.readAll());
  EXPECT_EQ(pipeBrain.wait(), 0);
  ExpectReplies(replies.lines, {"OK", AnyMessage, *fileAnswer});
}

// Positions whose move depends on the depth the match time allows, on the random draw, or on
// neither, with both own symbols.
INSTANTIATE_TEST_SUITE_P(BundledPositions, FileAndPipeAgreeTest,
                         ::testing::Values("sp1_g000_p022", "sp1_g000_p028", "sp2_g002_p131",
                                           "sp2_g003_p012", "sp2_g005_p013", "sp2_g006_p004",
                                           "sp2_g006_p034"));

}  // namespace
}  // namespace orvane::pipe
