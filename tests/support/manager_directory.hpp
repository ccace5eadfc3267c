#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane::testing {

// A fresh directory under the system's temporary directory, removed with everything in it at
// the end of the test: the place where a manager leaves its files for one run.
class ManagerDirectory {
 public:
  ManagerDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-run-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
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
