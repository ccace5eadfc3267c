#include "pipe/line_splitter.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace orvane::pipe {
namespace {

const std::string LongestLine(LineSplitter::MaxLineLength, 'a');

// What the splitter reports for `bytes` followed by the end of the input: each line, or
// "<overlong>" for a line cut short.
std::vector<std::string> Split(const std::string& bytes) {
  LineSplitter splitter;
  std::vector<std::string> lines;
  auto record = [&](LineSplitter::Event event) {
    if (event == LineSplitter::Event::Line) lines.emplace_back(splitter.line());
    if (event == LineSplitter::Event::OverlongLine) lines.emplace_back("<overlong>");
  };
  for (const char byte : bytes)
    record(splitter.push(byte));
  record(splitter.finish());
  return lines;
}

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const SplitCase& c, std::ostream* os) {
  *os << c.name;
}

class LineSplitterTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitterTest, ReportsEachLineOnce) {
  EXPECT_EQ(Split(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, LineSplitterTest,
    ::testing::Values(SplitCase{"CrLfEnds", "START 20\r\nBEGIN\r\n", {"START 20", "BEGIN"}},
                      SplitCase{"LfEnds", "START 20\nBEGIN\n", {"START 20", "BEGIN"}},
                      SplitCase{"CrEnds", "START 20\rBEGIN\r", {"START 20", "BEGIN"}},
                      SplitCase{"EmptyLinesDropped", "\r\n\r\nA\n\n\r\rB\r\n\n", {"A", "B"}},
                      SplitCase{"UnterminatedRestAtEnd", "A\r\nB", {"A", "B"}},
                      SplitCase{"NothingAtAll", "", {}},
                      SplitCase{"OtherBytesKept",
                                std::string("a\0b\x7f c\t", 7) + "\n",
                                {std::string("a\0b\x7f c\t", 7)}},
                      SplitCase{"LongestLineKept", LongestLine + "\r\nB\r\n", {LongestLine, "B"}},
                      SplitCase{"OneByteTooLong", LongestLine + "b\r\nB\r\n", {"<overlong>", "B"}},
                      SplitCase{"FarTooLongAtEnd",
                                std::string(3 * LineSplitter::MaxLineLength, 'z'),
                                {"<overlong>"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane::pipe
