#include <gtest/gtest.h>

#include <ostream>

#include "driver/directory_run_cases.hpp"
#include "support/child_process.hpp"
#include "support/frozen_clock_run.hpp"
#include "support/manager_directory.hpp"

namespace orvane {
namespace {

class BrainBinaryTest : public ::testing::TestWithParam<testing::DirectoryRunCase> {
 protected:
  void SetUp() override {
    if (!testing::HasFaketime()) {
      GTEST_SKIP() << "faketime (Debian package faketime) is not installed: the brain's clock "
                      "cannot be frozen for this run";
    }
  }
};

// The built brain, started in the manager's directory with its clock frozen at 13:05:42.378 UTC.
TEST_P(BrainBinaryTest, AnswersAsTheManagerExpects) {
  const testing::DirectoryRunCase& c = GetParam();
  const testing::ManagerDirectory directory;
  for (const auto& [name, bytes] : c.files)
    directory.write(name, bytes);

  testing::ChildProcess brain(testing::FrozenClockCommand(ORVANE_BRAIN_BINARY),
                              testing::FrozenClockEnvironment(), directory.path());
  brain.closeInput();

  EXPECT_EQ(brain.readAll(), c.output);
  EXPECT_EQ(brain.wait(), c.exitCode);
  EXPECT_EQ(directory.read("tah.dat"), c.moveFile);
}

INSTANTIATE_TEST_SUITE_P(FrozenClock, BrainBinaryTest,
                         ::testing::ValuesIn(testing::DirectoryRunCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane
