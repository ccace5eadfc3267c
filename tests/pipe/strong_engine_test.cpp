#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
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

// Whether `text` is `pattern` with every '#' standing for one or more digits and every '-' for an
// optional minus sign.
bool Matches(std::string_view text, std::string_view pattern) {
  std::size_t at = 0;
  for (const char wanted : pattern) {
    if (wanted == '#') {
      const std::size_t start = at;
      while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0)
        ++at;
      if (at == start) return false;
    } else if (wanted == '-') {
      if (at < text.size() && text[at] == '-') ++at;
    } else if (at >= text.size() || text[at++] != wanted) {
      return false;
    }
  }
  return at == text.size();
}

// "MESSAGE line" and one or more cells.
bool IsLine(std::string_view text) {
  constexpr std::string_view Head = "MESSAGE line";
  if (!text.starts_with(Head) || text.size() == Head.size()) return false;
  text.remove_prefix(Head.size());
  while (!text.empty()) {
    const std::size_t end = text.find(' ', 1);
    const std::string_view cell = text.substr(0, end);
    if (!Matches(cell, " #,#")) return false;
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  }
  return true;
}

// The strong search answers with two MESSAGE lines for every iteration, at the depths set, then
// its move; the opening move needs no search.
TEST(StrongEngineTest, WritesEachIterationThenTheMove) {
  const std::string game = "START 20\nINFO max_depth 3\nBEGIN\nTURN 11,11\n";
  for (const auto& [input, engine] :
       {std::pair{"INFO engine strong\n" + game, EngineChoice::Classic},
        std::pair{game, EngineChoice::Strong}}) {
    const std::vector<std::string> replies = Replies(input, engine);
    ASSERT_EQ(replies.size(), 10u);
    EXPECT_EQ(replies[0], "OK");
    EXPECT_EQ(replies[1], "10,10");
    for (int depth = 1; depth <= 3; ++depth) {
      EXPECT_TRUE(Matches(replies[2 * depth], "MESSAGE depth #, # nodes, eval -#, #.# s"))
          << replies[2 * depth];
      EXPECT_TRUE(replies[2 * depth].starts_with("MESSAGE depth " + std::to_string(depth) + ","));
      EXPECT_TRUE(IsLine(replies[2 * depth + 1])) << replies[2 * depth + 1];
    }
    // The root's cells, best first, each with its value; the move played is the first of them
    // and the one the last line starts with.
    EXPECT_TRUE(replies[8].starts_with("MESSAGE candidates " + replies[9] + ":")) << replies[8];
    EXPECT_TRUE(Matches(replies[9], "#,#"));
    EXPECT_TRUE(replies[7].starts_with("MESSAGE line " + replies[9]));
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
