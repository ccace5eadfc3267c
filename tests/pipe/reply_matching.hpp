#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/root_choice.hpp"
#include "pipe/reply_text.hpp"

namespace orvane::pipe::matching {

// Stand, in a list of expected replies, for any ERROR line with a reason, for the three MESSAGE
// lines before a searched move (the search, its line and its candidates), and for any move on the
// board.
inline const std::string AnyError = "ERROR <reason>";
inline const std::string AnyMessage = "MESSAGE <search>";
inline const std::string AnyMove = "<x,y>";

// The replies to a move request that makes a search: three MESSAGE lines, then the move.
inline constexpr std::size_t SearchedMoveLines = 4;

inline const std::string About = "name=\"Orvane\", version=\"1.6\", author=\"Orvane developers\"";

// The cell of a move reply "x,y" written as the brain writes it, when it is on the board.
inline std::optional<Move> ParseMove(std::string_view reply) {
  int x = -1;
  int y = -1;
  char rest = 0;
  if (std::sscanf(std::string(reply).c_str(), "%d,%d%c", &x, &y, &rest) != 2) return std::nullopt;
  if (!isOnBoard(x, y)) return std::nullopt;
  const Move move{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
  if (MoveReply(move) != reply) return std::nullopt;
  return move;
}

struct Replies {
  std::vector<std::string> lines;  // without their line ends
  bool everyLineEndsInCrLf = true;
};

// The brain's output cut at its CR LF line ends.
inline Replies SplitReplies(std::string_view text) {
  Replies replies;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    if (end == std::string_view::npos || text.substr(0, end).find('\n') != std::string::npos) {
      replies.everyLineEndsInCrLf = false;
      break;
    }
    replies.lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  return replies;
}

inline void ExpectReplies(const std::vector<std::string>& actual,
                          const std::vector<std::string>& expectedLines) {
  const std::vector<std::string> messageStarts = {"MESSAGE depth ", "MESSAGE line ",
                                                  "MESSAGE candidates"};
  std::vector<std::string> expected;
  for (const std::string& line : expectedLines) {
    if (line == AnyMessage) {
      expected.insert(expected.end(), messageStarts.begin(), messageStarts.end());
    } else {
      expected.push_back(line);
    }
  }
  ASSERT_EQ(actual.size(), expected.size()) << ::testing::PrintToString(actual);
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (expected[i] == AnyError) {
      EXPECT_TRUE(actual[i].starts_with("ERROR ") && actual[i].size() > 6) << actual[i];
    } else if (std::find(messageStarts.begin(), messageStarts.end(), expected[i]) !=
               messageStarts.end()) {
      EXPECT_TRUE(actual[i].starts_with(expected[i])) << actual[i];
    } else if (expected[i] == AnyMove) {
      EXPECT_TRUE(ParseMove(actual[i]).has_value()) << actual[i];
    } else {
      EXPECT_EQ(actual[i], expected[i]);
    }
  }
}

}  // namespace orvane::pipe::matching
