#include <gtest/gtest.h>

#include <filesystem>

#include "driver/brain_run.hpp"
#include "driver/directory_run_cases.hpp"
#include "platform/system_file_system.hpp"
#include "support/fake_clock.hpp"
#include "support/manager_directory.hpp"
#include "support/recording_console.hpp"

namespace orvane {
namespace {

// Makes `directory` the current one for the guard's lifetime, as the manager starts the brain.
class CurrentDirectoryGuard {
 public:
  explicit CurrentDirectoryGuard(const std::filesystem::path& directory)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
  }
  ~CurrentDirectoryGuard() { std::filesystem::current_path(previous_); }
  CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
  CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

 private:
  std::filesystem::path previous_;
};

class DirectoryRunTest : public ::testing::TestWithParam<testing::DirectoryRunCase> {};

TEST_P(DirectoryRunTest, AnswersInTheManagersDirectory) {
  const testing::DirectoryRunCase& c = GetParam();
  const testing::ManagerDirectory directory;
  for (const auto& [name, bytes] : c.files)
    directory.write(name, bytes);
  testing::FakeClock clock;
  testing::RecordingConsole console;

  int exitCode = -1;
  {
    const CurrentDirectoryGuard inDirectory(directory.path());
    SystemFileSystem files;
    exitCode = RunBrain({clock, files, console});
  }

  EXPECT_EQ(exitCode, c.exitCode);
  EXPECT_EQ(console.text, c.output);
  EXPECT_EQ(directory.read("tah.dat"), c.moveFile);
}

INSTANTIATE_TEST_SUITE_P(SystemFiles, DirectoryRunTest,
                         ::testing::ValuesIn(testing::DirectoryRunCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane
