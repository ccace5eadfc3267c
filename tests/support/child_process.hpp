#pragma once

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace orvane::testing {

// A program started with pipes on its standard input and output, the way a manager starts a
// brain. The program is found on PATH; `environment` entries ("NAME=value") are added to the
// test's own environment, replacing variables of the same name. Reads wait at most
// HangGuardMilliseconds for the next byte, so that a brain that never answers fails the test
// instead of stopping it.
class ChildProcess {
 public:
  static constexpr int HangGuardMilliseconds = 60000;

  ChildProcess(const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment,
               const std::optional<std::filesystem::path>& workingDirectory = std::nullopt) {
    signal(SIGPIPE, SIG_IGN);  // a brain that has quit must not take the test down with it
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0) {
      throw std::runtime_error("pipe2 failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    if (workingDirectory) {
      posix_spawn_file_actions_addchdir_np(&actions, workingDirectory->c_str());
    }

    std::vector<std::string> argumentCopy = arguments;
    std::vector<std::string> variables = mergedEnvironment(environment);
    const int status = posix_spawnp(&pid_, arguments.at(0).c_str(), &actions, nullptr,
                                    pointers(argumentCopy).data(), pointers(variables).data());
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    input_ = toChild[1];
    output_ = fromChild[0];
    if (status != 0) {
      closeInput();
      close(output_);
      throw std::runtime_error("cannot start " + arguments.at(0));
    }
  }

  ~ChildProcess() {
    closeInput();
    close(output_);
    if (!exitCode_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // False when the program no longer reads its input.
  bool write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t count = ::write(input_, bytes.data(), bytes.size());
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
  }

  void closeInput() {
    if (input_ >= 0) close(input_);
    input_ = -1;
  }

  // The next line of output without its line end (LF, with or without CR before it). None at
  // the end of the output, or when the program stays silent past the hang guard.
  std::optional<std::string> readLine() {
    std::string line;
    while (true) {
      const std::optional<char> byte = readByte();
      if (!byte) return std::nullopt;
      if (*byte == '\n') break;
      line.push_back(*byte);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }

  // Everything the program writes until it closes its output.
  std::string readAll() {
    std::string text;
    while (const std::optional<char> byte = readByte())
      text.push_back(*byte);
    return text;
  }

  // Waits for the program to end; its exit code, or -1 when a signal ended it.
  int wait() {
    if (!exitCode_) {
      int status = 0;
      if (waitpid(pid_, &status, 0) != pid_) throw std::runtime_error("waitpid failed");
      exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return *exitCode_;
  }

 private:
  std::optional<char> readByte() {
    pollfd ready{output_, POLLIN, 0};
    int polled = 0;
    do {
      polled = poll(&ready, 1, HangGuardMilliseconds);
    } while (polled < 0 && errno == EINTR);
    if (polled <= 0) return std::nullopt;
    char byte = 0;
    ssize_t count = 0;
    do {
      count = read(output_, &byte, 1);
    } while (count < 0 && errno == EINTR);
    if (count != 1) return std::nullopt;
    return byte;
  }

  static std::vector<std::string> mergedEnvironment(const std::vector<std::string>& added) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string_view variable(*entry);
      const std::string_view name = variable.substr(0, variable.find('=') + 1);
      bool replaced = false;
      for (const std::string& addition : added)
        replaced = replaced || std::string_view(addition).starts_with(name);
      if (!replaced) variables.emplace_back(variable);
    }
    variables.insert(variables.end(), added.begin(), added.end());
    return variables;
  }

  static std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (std::string& s : strings)
      result.push_back(s.data());
    result.push_back(nullptr);
    return result;
  }

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::optional<int> exitCode_;
};

}  // namespace orvane::testing
