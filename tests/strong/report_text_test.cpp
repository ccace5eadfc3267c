#include "strong/report_text.hpp"

#include <gtest/gtest.h>

#include "strong/search_values.hpp"

namespace orvane::strong {
namespace {

struct MessageCase {
  int value;
  std::int32_t elapsed;
  const char* expected;
};

// The page and the package read these lines word for word.
TEST(IterationMessageTest, SaysTheValueOrTheMovesToFive) {
  const MessageCase cases[] = {
      {57, 1234, "MESSAGE depth 7, 12345 nodes, eval 57, 1.23 s"},
      {-480, 5, "MESSAGE depth 7, 12345 nodes, eval -480, 0.00 s"},
      {0, 60000, "MESSAGE depth 7, 12345 nodes, eval 0, 60.00 s"},
      {winWithFiveAt(1), 10, "MESSAGE depth 7, 12345 nodes, won in 1, 0.01 s"},
      {winWithFiveAt(5), 10, "MESSAGE depth 7, 12345 nodes, won in 3, 0.01 s"},
      {lossWithFiveAt(2), 10, "MESSAGE depth 7, 12345 nodes, lost in 1, 0.01 s"},
      {lossWithFiveAt(8), 10, "MESSAGE depth 7, 12345 nodes, lost in 4, 0.01 s"},
  };
  for (const MessageCase& c : cases) {
    IterationReport report;
    report.depth = 7;
    report.nodes = 12345;
    report.value = c.value;
    report.elapsed = c.elapsed;
    EXPECT_EQ(IterationMessage(report), c.expected);
  }
}

TEST(LineMessageTest, NamesTheCellsColumnFirst) {
  SolverLine line;
  for (int cell : {0, 21, 45, 399})
    line.push(cell);
  EXPECT_EQ(LineMessage(line), "MESSAGE line 0,0 1,1 5,2 19,19");
  EXPECT_EQ(LineMessage(SolverLine{}), "MESSAGE line");
}

}  // namespace
}  // namespace orvane::strong
