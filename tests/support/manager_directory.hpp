#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane::testing {

// A fresh directory under the system's temporary directory, removed with everything in it at
// the end of the test: the place where a manager leaves its files for one run.
class ManagerDirectory {
 public:
  // Named "orvane-run-" and a random number, made with the standard library so that the
  // Windows build of the tests has it too.
  ManagerDirectory() {
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::filesystem::path candidate =
          temporary / ("orvane-run-" + std::to_string(random() % 1000000000000u));
      if (std::filesystem::create_directory(candidate)) {
        path_ = candidate;
        return;
      }
    }
    throw std::runtime_error("cannot make a directory in " + temporary.string());
  }
  ~ManagerDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ManagerDirectory(const ManagerDirectory&) = delete;
  ManagerDirectory& operator=(const ManagerDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

  void write(std::string_view name, std::string_view bytes) const {
    std::ofstream file(path_ / name, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + std::string(name));
  }

  // The file's bytes, or nothing when it does not exist.
  std::optional<std::string> read(std::string_view name) const {
    std::ifstream file(path_ / name, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

 private:
  std::filesystem::path path_;
};

}  // namespace orvane::testing
