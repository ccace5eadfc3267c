#include "pipe/command.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "pipe/board_line.hpp"

namespace orvane::pipe {
namespace {

struct CommandCase {
  const char* name;
  std::string line;
  Command expected;  // for a malformed line only the kind is compared
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const CommandCase& c, std::ostream* os) {
  *os << c.name;
}

class ParseCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ParseCommandTest, ReadsTheCommandAndItsArguments) {
  const CommandCase& c = GetParam();
  const Command command = ParseCommand(c.line);
  if (std::holds_alternative<MalformedCommand>(c.expected)) {
    ASSERT_TRUE(std::holds_alternative<MalformedCommand>(command)) << "index " << command.index();
    EXPECT_FALSE(std::get<MalformedCommand>(command).reason.empty());
    return;
  }
  EXPECT_EQ(command.index(), c.expected.index());
  EXPECT_TRUE(command == c.expected);
}

const Command Malformed = MalformedCommand{};

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseCommandTest,
    ::testing::Values(
        CommandCase{"Start", "START 20", StartCommand{20}},
        CommandCase{"StartLowerCase", "start 20", StartCommand{20}},
        CommandCase{"StartWithBlanks", " \tSTART   20 ", StartCommand{20}},
        CommandCase{"StartOtherSize", "START 15", StartCommand{15}},
        CommandCase{"StartWithoutSize", "START", Malformed},
        CommandCase{"StartWithWord", "START twenty", Malformed},
        CommandCase{"StartWithTwoSizes", "START 20 20", Malformed},
        CommandCase{"StartBeyondRange", "START 99999999999999999999", Malformed},
        CommandCase{"RectStart", "RECTSTART 20,20", RectStartCommand{20, 20}},
        CommandCase{"RectStartOneSide", "RECTSTART 20", Malformed},
        CommandCase{"Turn", "TURN 10,7", TurnCommand{{10, 7}}},
        CommandCase{"TurnBlanksAroundComma", "TURN 10 , 7", TurnCommand{{10, 7}}},
        CommandCase{"TurnOffBoardStillParsed", "TURN -1,300", TurnCommand{{-1, 300}}},
        CommandCase{"TurnOneNumber", "TURN 10", Malformed},
        CommandCase{"TurnThreeNumbers", "TURN 1,2,3", Malformed},
        CommandCase{"TurnEmptyField", "TURN 1,", Malformed},
        CommandCase{"TurnLetters", "TURN a,b", Malformed},
        CommandCase{"TurnPlusSign", "TURN +1,2", Malformed},
        CommandCase{"TurnWithoutCell", "TURN", Malformed},
        CommandCase{"Takeback", "TAKEBACK 3,4", TakebackCommand{{3, 4}}},
        CommandCase{"TakebackWithoutCell", "TAKEBACK", Malformed},
        CommandCase{"InfoKeyLowered", "INFO TIMEOUT_TURN 5000",
                    InfoCommand{"timeout_turn", "5000"}},
        CommandCase{"InfoNegativeValue", "INFO time_left -20", InfoCommand{"time_left", "-20"}},
        CommandCase{"InfoValueWithBlanks", "INFO folder /tmp/my dir ",
                    InfoCommand{"folder", "/tmp/my dir"}},
        CommandCase{"InfoKeyWithoutValue", "INFO rule", InfoCommand{"rule", ""}},
        CommandCase{"InfoAlone", "INFO", Malformed},
        CommandCase{"Restart", "RESTART", RestartCommand{}},
        CommandCase{"Begin", "BEGIN", BeginCommand{}},
        CommandCase{"BeginWithArgument", "BEGIN now", Malformed},
        CommandCase{"Board", "board", BoardCommand{}},
        CommandCase{"About", "ABOUT", AboutCommand{}}, CommandCase{"End", "END", EndCommand{}},
        CommandCase{"UnknownWord", "  PLAY 1,2 ", UnknownCommand{"PLAY 1,2"}},
        CommandCase{"KeywordPrefixIsUnknown", "STARTX 20", UnknownCommand{"STARTX 20"}},
        CommandCase{"BoardLineOutsideBlock", "1,2,1", UnknownCommand{"1,2,1"}},
        CommandCase{"BinaryBytes", "\x01\xff", UnknownCommand{"\x01\xff"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BoardLineCase {
  const char* name;
  std::string line;
  BoardLine expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const BoardLineCase& c, std::ostream* os) {
  *os << c.name;
}

class ParseBoardLineTest : public ::testing::TestWithParam<BoardLineCase> {};

TEST_P(ParseBoardLineTest, ReadsStoneOrEndOfBlock) {
  const BoardLineCase& c = GetParam();
  const BoardLine line = ParseBoardLine(c.line);
  EXPECT_EQ(line.index(), c.expected.index());
  EXPECT_TRUE(line == c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseBoardLineTest,
    ::testing::Values(
        BoardLineCase{"OwnStone", "10,11,1", BoardStone{{10, 11}, StoneOwner::Own}},
        BoardLineCase{"OpponentStone", " 0 , 19 , 2 ", BoardStone{{0, 19}, StoneOwner::Opponent}},
        BoardLineCase{"StoneOfNeitherSide", "3,4,3", BoardStone{{3, 4}, StoneOwner::Neither}},
        BoardLineCase{"OffBoardStillParsed", "25,-1,1", BoardStone{{25, -1}, StoneOwner::Own}},
        BoardLineCase{"Done", "DONE", BoardDone{}},
        BoardLineCase{"DoneLowerCase", "done ", BoardDone{}},
        BoardLineCase{"End", "END", BoardAbandoned{}},
        BoardLineCase{"FieldZero", "1,2,0", BadBoardLine{}},
        BoardLineCase{"FieldFour", "1,2,4", BadBoardLine{}},
        BoardLineCase{"TwoFields", "1,2", BadBoardLine{}},
        BoardLineCase{"FourFields", "1,2,1,1", BadBoardLine{}},
        BoardLineCase{"Letters", "a,b,c", BadBoardLine{}},
        BoardLineCase{"OtherCommand", "ABOUT", BadBoardLine{}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane::pipe
