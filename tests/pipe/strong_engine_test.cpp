#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "pipe/session.hpp"
#include "pipe/session_input.hpp"
#include "support/fake_clock.hpp"
#include "support/recording_console.hpp"

namespace orvane::pipe {
namespace {

std::vector<std::string> Replies(const std::string& input, EngineChoice engine) {
  testing::FakeClock clock;
  testing::RecordingConsole console;
  Session session(clock, console, engine);
  SessionInput feed(session);
  feed.receive(input);
  feed.endOfInput();
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = console.text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(console.text.substr(start, end - start));
  }
  return lines;
}

const std::regex Iteration(
    R"(MESSAGE depth [0-9]+, [0-9]+ nodes, eval -?[0-9]+, [0-9]+\.[0-9]{2} s)");
const std::regex Line(R"(MESSAGE line( [0-9]+,[0-9]+)+)");
const std::regex Cell(R"([0-9]+,[0-9]+)");

// The strong search answers with two MESSAGE lines for every iteration, at the depths set, then
// its move; the opening move needs no search.
TEST(StrongEngineTest, WritesEachIterationThenTheMove) {
  const std::string game = "START 20\nINFO max_depth 3\nBEGIN\nTURN 11,11\n";
  for (const auto& [input, engine] :
       {std::pair{"INFO engine strong\n" + game, EngineChoice::Classic},
        std::pair{game, EngineChoice::Strong}}) {
    const std::vector<std::string> replies = Replies(input, engine);
    ASSERT_EQ(replies.size(), 9u);
    EXPECT_EQ(replies[0], "OK");
    EXPECT_EQ(replies[1], "10,10");
    for (int depth = 1; depth <= 3; ++depth) {
      EXPECT_TRUE(std::regex_match(replies[2 * depth], Iteration)) << replies[2 * depth];
      EXPECT_TRUE(replies[2 * depth].starts_with("MESSAGE depth " + std::to_string(depth) + ","));
      EXPECT_TRUE(std::regex_match(replies[2 * depth + 1], Line)) << replies[2 * depth + 1];
    }
    EXPECT_TRUE(std::regex_match(replies[8], Cell));
    // The move played is the one the last line starts with.
    EXPECT_TRUE(replies[7].starts_with("MESSAGE line " + replies[8]));
  }
}

// INFO engine classic goes back to the classic search, whose MESSAGE lines differ; an unknown
// engine is an error that changes nothing.
TEST(StrongEngineTest, SwitchesBackAndRefusesUnknownEngines) {
  const std::vector<std::string> replies =
      Replies("INFO engine fastest\nINFO engine CLASSIC\nSTART 20\nBOARD\n10,10,2\nDONE\n",
              EngineChoice::Strong);
  ASSERT_EQ(replies.size(), 6u);
  EXPECT_EQ(replies[0], "ERROR INFO engine needs classic or strong, not \"fastest\"");
  EXPECT_TRUE(replies[2].find("root verdict") != std::string::npos) << replies[2];
}

}  // namespace
}  // namespace orvane::pipe
