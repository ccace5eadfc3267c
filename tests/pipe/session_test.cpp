#include "pipe/session.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "driver/turn.hpp"
#include "pipe/reply_text.hpp"
#include "pipe/session_input.hpp"
#include "reply_matching.hpp"
#include "support/board_text.hpp"
#include "support/fake_clock.hpp"
#include "support/recording_console.hpp"

namespace orvane::pipe {
namespace {

using matching::About;
using matching::AnyError;
using matching::AnyMessage;
using matching::AnyMove;
using matching::ExpectReplies;
using matching::ParseMove;
using matching::SearchedMoveLines;

// The opening move drawn with the fake clock's seed, 13:05:42.378 UTC.
const std::string Opening = "11,9";

struct SessionRun {
  matching::Replies replies;
  SessionState state = SessionState::Running;
  Board board;
};

// Feeds `input` to a fresh session, or to `session` when given, and closes the input.
SessionRun Feed(const std::string& input, testing::RecordingConsole& console, Session& session) {
  console.text.clear();
  SessionInput feed(session);
  feed.receive(input);
  SessionRun run;
  run.state = feed.endOfInput();
  run.board = session.board();
  run.replies = matching::SplitReplies(console.text);
  return run;
}

SessionRun Feed(const std::string& input) {
  testing::FakeClock clock;
  testing::RecordingConsole console;
  Session session(clock, console);
  return Feed(input, console, session);
}

// A BOARD block with every cell filled.
std::string FullBoardBlock() {
  std::string block = "BOARD\r\n";
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      block += std::to_string(x) + "," + std::to_string(y) + "," +
               ((x + 2 * y) % 4 < 2 ? "1" : "2") + "\r\n";
    }
  }
  return block + "DONE\r\n";
}

struct ScriptCase {
  const char* name;
  std::string input;
  std::vector<std::string> replies;
  SessionState state = SessionState::Running;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ScriptCase& c, std::ostream* os) {
  *os << c.name;
}

class SessionScriptTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(SessionScriptTest, RepliesAsTheManagerExpects) {
  const ScriptCase& c = GetParam();
  const SessionRun run = Feed(c.input);
  EXPECT_TRUE(run.replies.everyLineEndsInCrLf);
  ExpectReplies(run.replies.lines, c.replies);
  EXPECT_EQ(run.state, c.state);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SessionScriptTest,
    ::testing::Values(
        ScriptCase{"StartTwenty", "START 20\r\n", {"OK"}},
        ScriptCase{"StartSizes",
                   "START 15\r\nSTART 5\r\nSTART 4\r\nSTART 21\r\nSTART -20\r\n",
                   {"OK", "OK", AnyError, AnyError, AnyError}},
        ScriptCase{"RectStartTwenty", "RECTSTART 20,20\r\n", {"OK"}},
        ScriptCase{"RectStartSides",
                   "RECTSTART 20,19\r\nRECTSTART 5,12\r\nRECTSTART 30,20\r\nRECTSTART 9,4\r\n",
                   {"OK", "OK", AnyError, AnyError}},
        ScriptCase{"SmallBoardOpensAtItsCentre", "START 15\r\nBEGIN\r\n", {"OK", "8,7"}},
        ScriptCase{"CellsPastASmallBoard",
                   "RECTSTART 15,10\r\nTURN 15,0\r\nTURN 0,10\r\nTAKEBACK 19,19\r\n"
                   "BOARD\r\n14,9,2\r\n3,12,1\r\nDONE\r\n",
                   {"OK", AnyError, AnyError, AnyError, AnyError}},
        ScriptCase{"SeededMoves",
                   "INFO seed 12345\r\nBEGIN\r\nINFO seed -1\r\nRESTART\r\nBEGIN\r\n"
                   "INFO seed 4294967296\r\n",
                   {"9,9", "OK", Opening, AnyError}},
        ScriptCase{"ForbiddenCellsOfBlackInRenju",
                   "INFO rule 4\r\nSTART 15\r\nFORBIDDEN\r\n5,1,1\r\n5,2,1\r\n3,3,1\r\n"
                   "4,3,1\r\n14,14,2\r\n0,14,2\r\n14,0,2\r\n13,13,2\r\nDONE\r\n",
                   {"OK", "FORBIDDEN 5,3,double-three"}},
        ScriptCase{"NoForbiddenCellsOutsideRenju",
                   "INFO rule 1\r\nFORBIDDEN\r\n5,1,1\r\n5,2,1\r\n3,3,1\r\n4,3,1\r\nDONE\r\n",
                   {"FORBIDDEN"}},
        ScriptCase{"About", "ABOUT\r\n", {About}},
        ScriptCase{"UnknownCommandEchoed", "HELLO there\r\n", {"UNKNOWN HELLO there"}},
        ScriptCase{"UnknownBinaryMadePrintable", "\x01HI\xfe\r\n", {"UNKNOWN ?HI?"}},
        ScriptCase{"InfoHasNoReply",
                   "INFO timeout_turn 5000\r\nINFO timeout_match 0\r\nINFO time_left -3\r\n"
                   "INFO max_memory 83886080\r\nINFO game_type 1\r\nINFO rule 0\r\n"
                   "INFO folder /tmp/a b\r\nINFO evaluate 3,4\r\nINFO\tcolour\r\n",
                   {}},
        ScriptCase{"InfoValueNotANumber",
                   "INFO timeout_turn fast\r\nINFO time_left\r\nINFO rule 1.5\r\n",
                   {AnyError, AnyError, AnyError}},
        ScriptCase{"InfoAlone", "INFO\r\n", {AnyError}},
        ScriptCase{"BeginOnEmptyBoard", "START 20\r\nBEGIN\r\n", {"OK", Opening}},
        ScriptCase{"BeginWithoutStart", "BEGIN\r\n", {Opening}},
        ScriptCase{"EmptyBoardBlock", "BOARD\r\nDONE\r\n", {Opening}},
        ScriptCase{
            "StartClearsTheBoard", "BEGIN\r\nSTART 20\r\nBEGIN\r\n", {Opening, "OK", Opening}},
        ScriptCase{
            "RestartClearsTheBoard", "BEGIN\r\nRESTART\r\nBEGIN\r\n", {Opening, "OK", Opening}},
        ScriptCase{"FailedStartKeepsTheBoard",
                   "BEGIN\r\nSTART 21\r\nTURN 11,9\r\n",
                   {Opening, AnyError, AnyError}},
        ScriptCase{"TurnOffTheBoard",
                   "TURN 20,0\r\nTURN 0,20\r\nTURN -1,5\r\nTURN 5,-1\r\n",
                   {AnyError, AnyError, AnyError, AnyError}},
        ScriptCase{"TurnOntoOpponentStone",
                   "BOARD\r\n4,4,2\r\nDONE\r\nTURN 4,4\r\n",
                   {AnyMessage, AnyMove, AnyError}},
        ScriptCase{"MalformedCommands",
                   "TURN 3\r\nBEGIN now\r\nSTART\r\nTAKEBACK x,y\r\n",
                   {AnyError, AnyError, AnyError, AnyError}},
        ScriptCase{"TakebackLeavesEmptyBoard",
                   "BEGIN\r\nTAKEBACK 11,9\r\nTAKEBACK 11,9\r\nTAKEBACK 20,1\r\nBEGIN\r\n",
                   {Opening, "OK", AnyError, AnyError, Opening}},
        ScriptCase{"BoardStoneOffTheBoard", "BOARD\r\n25,1,1\r\nDONE\r\n", {AnyError}},
        ScriptCase{"FullBoardHasNoMove", FullBoardBlock(), {AnyError}},
        ScriptCase{"OverlongLine", std::string(5000, 'A') + "\r\nABOUT\r\n", {AnyError, About}},
        ScriptCase{"EndQuitsSilently", "END\r\nABOUT\r\nBEGIN\r\n", {}, SessionState::Ended},
        ScriptCase{
            "EndInsideBoardBlock", "BOARD\r\n1,1,1\r\nEND\r\nABOUT\r\n", {}, SessionState::Ended},
        ScriptCase{"EndWithoutLineEnd", "ABOUT\r\nEND", {About}, SessionState::Ended},
        ScriptCase{"RenjuWithCaroRefusedAtNextCommand",
                   "INFO rule 12\r\nINFO timeout_turn 0\r\nABOUT\r\n",
                   {AnyError}},
        ScriptCase{"RefusedRuleReportedOnceToOtherCommands",
                   "INFO rule 16\r\nSTART 20\r\nSTART 20\r\nABOUT\r\n",
                   {AnyError, "OK", About}},
        ScriptCase{"RefusedRuleStopsEveryMove",
                   "INFO rule 13\r\nSTART 20\r\nBEGIN\r\nTURN 1,1\r\nBOARD\r\n1,1,1\r\nDONE\r\n"
                   "FORBIDDEN\r\nDONE\r\n",
                   {AnyError, AnyError, AnyError, AnyError, AnyError}},
        ScriptCase{"EachRefusedRuleReported",
                   "INFO rule 12\r\nABOUT\r\nINFO rule 32\r\nABOUT\r\n",
                   {AnyError, AnyError}},
        ScriptCase{"UnknownCommandDoesNotTakeRuleReport",
                   "INFO rule 12\r\nXYZ\r\nABOUT\r\n",
                   {"UNKNOWN XYZ", AnyError}},
        ScriptCase{"PlayedRuleRestoresPlay", "INFO rule 12\r\nINFO rule 4\r\nBEGIN\r\n", {Opening}},
        ScriptCase{"ContinuousGamePlayed", "INFO rule 2\r\nBEGIN\r\n", {Opening}},
        ScriptCase{"KeywordsInAnyCase", "start 20\r\nBegin\r\n", {"OK", Opening}}),
    [](const auto& info) { return std::string(info.param.name); });

// The position every case below starts from: an own stone, an opponent stone and a stone of
// neither side; turns are played fast.
const std::string StartingPosition =
    "INFO timeout_turn 0\r\nBOARD\r\n5,5,1\r\n6,6,2\r\n7,7,3\r\nDONE\r\n";

class SessionPositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const SessionRun run = Feed(StartingPosition, console_, session_);
    ASSERT_EQ(run.replies.lines.size(), SearchedMoveLines)
        << ::testing::PrintToString(run.replies.lines);
    reply_ = ParseMove(run.replies.lines.back());
    ASSERT_TRUE(reply_.has_value()) << run.replies.lines.back();
    given_ = session_.board();
  }

  testing::FakeClock clock_;
  testing::RecordingConsole console_;
  Session session_{clock_, console_};
  std::optional<Move> reply_;
  Board given_;  // the position after the set-up, with the brain's reply
};

TEST_F(SessionPositionTest, BoardBlockGivesOwnersAndAddsTheReply) {
  Board expected;
  expected.set(5, 5, CellState::Own);
  expected.set(6, 6, CellState::Opponent);
  expected.set(7, 7, CellState::Blocked);
  ASSERT_EQ(expected.at(reply_->x, reply_->y), CellState::Empty);
  expected.set(reply_->x, reply_->y, CellState::Own);
  EXPECT_EQ(given_, expected);
}

TEST_F(SessionPositionTest, TurnAddsTheOpponentStoneAndTheReply) {
  const SessionRun run = Feed("TURN 1,1\r\n", console_, session_);
  ASSERT_EQ(run.replies.lines.size(), SearchedMoveLines)
      << ::testing::PrintToString(run.replies.lines);
  const std::optional<Move> reply = ParseMove(run.replies.lines.back());
  ASSERT_TRUE(reply.has_value()) << run.replies.lines.back();

  Board expected = given_;
  expected.set(1, 1, CellState::Opponent);
  ASSERT_EQ(expected.at(reply->x, reply->y), CellState::Empty);
  expected.set(reply->x, reply->y, CellState::Own);
  EXPECT_EQ(run.board, expected);
}

TEST_F(SessionPositionTest, TakebackRemovesThatStoneOnly) {
  for (const auto& [x, y] : {std::pair{6, 6}, std::pair{7, 7}, std::pair{5, 5}}) {
    const SessionRun run = Feed("TAKEBACK " + std::to_string(x) + "," + std::to_string(y) + "\r\n",
                                console_, session_);
    ExpectReplies(run.replies.lines, {"OK"});
    given_.set(x, y, CellState::Empty);
    EXPECT_EQ(run.board, given_) << x << "," << y;
  }
}

struct RejectedCase {
  const char* name;
  std::string input;
};

class RejectedCommandTest : public SessionPositionTest,
                            public ::testing::WithParamInterface<RejectedCase> {};

TEST_P(RejectedCommandTest, AnswersErrorAndKeepsThePosition) {
  const SessionRun run = Feed(GetParam().input, console_, session_);
  ExpectReplies(run.replies.lines, {AnyError});
  EXPECT_EQ(run.board, given_);
  EXPECT_EQ(run.state, SessionState::Running);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RejectedCommandTest,
    ::testing::Values(RejectedCase{"TurnOntoOwnStone", "TURN 5,5\r\n"},
                      RejectedCase{"TurnOntoStoneOfNeitherSide", "TURN 7,7\r\n"},
                      RejectedCase{"TurnOffTheBoard", "TURN 20,3\r\n"},
                      RejectedCase{"TurnFarOffTheBoard", "TURN 4294967301,3\r\n"},
                      RejectedCase{"TurnWithoutCell", "TURN\r\n"},
                      RejectedCase{"TakebackOfEmptyCell", "TAKEBACK 0,0\r\n"},
                      RejectedCase{"TakebackOffTheBoard", "TAKEBACK 20,20\r\n"},
                      RejectedCase{"BoardWithCellTwice", "BOARD\r\n1,1,1\r\n1,1,2\r\nDONE\r\n"},
                      RejectedCase{"BoardWithBadField", "BOARD\r\n1,1,1\r\n2,2,5\r\nDONE\r\n"},
                      RejectedCase{"BoardWithCommand", "BOARD\r\n1,1,1\r\nTURN 2,2\r\nDONE\r\n"},
                      RejectedCase{"BoardWithOverlongLine",
                                   "BOARD\r\n1,1,1\r\n" + std::string(4097, ' ') + "\r\nDONE\r\n"},
                      RejectedCase{"BoardUnderRefusedRule",
                                   "INFO rule 12\r\nBOARD\r\n1,1,1\r\nDONE\r\n"},
                      RejectedCase{"TurnUnderRefusedRule", "INFO rule 13\r\nTURN 1,1\r\n"},
                      RejectedCase{"StartUnderRefusedRule", "INFO rule 16\r\nSTART 20\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Ten stones in the middle: enough that the depth follows the match time.
const Board MiddleGame = testing::BoardFromRows(
    {"", "", "", "", "", "", "", "........O", ".......XXO", "......OX.X", ".......OX.O"});

std::string BoardBlockFor(const Board& board) {
  std::string block = "BOARD\r\n";
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      if (board.at(x, y) == CellState::Empty) continue;
      block += std::to_string(x) + "," + std::to_string(y) + "," +
               (board.at(x, y) == CellState::Own ? "1" : "2") + "\r\n";
    }
  }
  return block + "DONE\r\n";
}

struct BudgetCase {
  const char* name;
  std::string info;
  std::uint16_t turnSeconds;  // what the file-protocol brain would read from its files
  std::int32_t matchTimeLeft;
  std::vector<std::string> repliesBefore = {};  // to commands among `info`
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const BudgetCase& c, std::ostream* os) {
  *os << c.name;
}

class SameEntryPointTest : public ::testing::TestWithParam<BudgetCase> {};

// The session's move and MESSAGE are PlayTurn's for the same position and the same budget
// inputs, with the start time and the seed read from the clock when DONE arrives.
TEST_P(SameEntryPointTest, AnswersWhatPlayTurnChooses) {
  const BudgetCase& c = GetParam();
  const SessionRun run = Feed(c.info + BoardBlockFor(MiddleGame));

  const testing::FakeClock clock;
  Position position{MiddleGame, {}};
  RandomGenerator random = RandomGenerator::FromUtcTime(clock.utc);
  TurnRequest request;
  request.turnSeconds = c.turnSeconds;
  request.matchTimeLeft = c.matchTimeLeft;
  request.startTime = centisecondsOfDay(clock.local);
  request.traceLine = true;
  const TurnOutcome outcome = PlayTurn(position, request, random, clock);
  ASSERT_TRUE(outcome.move.has_value());

  std::vector<std::string> replies = c.repliesBefore;
  replies.push_back(SearchMessage(outcome, 0));
  replies.push_back(LineMessage(outcome.line));
  replies.push_back(CandidatesMessage(outcome.rootList));
  replies.push_back(MoveReply(*outcome.move));
  ExpectReplies(run.replies.lines, replies);
}

INSTANTIATE_TEST_SUITE_P(
    Info, SameEntryPointTest,
    ::testing::Values(
        BudgetCase{"PlayFast", "INFO timeout_turn 0\r\n", 0, TimeSettings::Unlimited},
        BudgetCase{"MatchTimeBeforeTimeLeft",
                   "INFO timeout_turn 5000\r\nINFO timeout_match 180000\r\n", 5, 180000},
        BudgetCase{
            "TimeLeft",
            "INFO timeout_turn 5000\r\nINFO timeout_match 180000\r\nINFO time_left 60000\r\n", 5,
            60000},
        BudgetCase{"NewGameForgetsTimeLeft",
                   "INFO timeout_turn 5000\r\nINFO timeout_match 180000\r\nINFO time_left "
                   "40000\r\nRESTART\r\n",
                   5,
                   180000,
                   {"OK"}},
        BudgetCase{"ShortTimeLeft", "INFO timeout_turn 7999\r\nINFO time_left 40000\r\n", 7,
                   40000}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane::pipe
