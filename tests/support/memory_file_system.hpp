#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.hpp"

namespace orvane::testing {

// The manager's files held in memory, with failures injected at chosen operations. One file is
// open at a time, as on the real file system. It records the files opened for writing and every
// read or write made without a file open for it.
class MemoryFileSystem final : public FileSystem {
 public:
  enum class Operation { Open, Read, Write, Close };

  // The `occurrence`-th operation of this kind on `file` (counted from 1, opening for reading
  // and for writing alike) fails with `code` and has no other effect.
  struct Failure {
    Operation operation;
    std::string file;
    int occurrence;
    std::int32_t code;
  };

  std::map<std::string, std::string, std::less<>> files;
  // Names that are directories. As on Linux, one opens for reading, every read from it fails, and
  // opening it for writing fails.
  std::set<std::string, std::less<>> directories;
  std::vector<Failure> failures;
  std::vector<std::string> openedForWriting;
  // Reads with no file open for reading, writes with no file open for writing.
  int strayUses = 0;

  // How many operations of a kind were asked on a file, failed ones included.
  int count(Operation operation, std::string_view file) const {
    const auto found = counts_.find(file);
    return found == counts_.end() ? 0 : found->second[static_cast<std::size_t>(operation)];
  }

  std::int32_t openForReading(std::string_view name) override {
    if (const std::int32_t error = injected(Operation::Open, name)) return error;
    if (!open_.empty()) return 4;
    if (!files.contains(name) && !directories.contains(name)) return 2;
    open_ = name;
    writing_ = false;
    next_ = 0;
    return 0;
  }

  std::int32_t openForWriting(std::string_view name) override {
    if (const std::int32_t error = injected(Operation::Open, name)) return error;
    if (!open_.empty()) return 4;
    if (directories.contains(name)) return io_error::AccessDenied;
    openedForWriting.emplace_back(name);
    files[std::string(name)].clear();
    open_ = name;
    writing_ = true;
    return 0;
  }

  std::int32_t readByte(std::uint8_t& byte, bool& atEnd) override {
    atEnd = false;
    if (open_.empty() || writing_) return strayUse();
    if (const std::int32_t error = injected(Operation::Read, open_)) return error;
    if (directories.contains(open_)) return io_error::AccessDenied;
    const std::string& content = files.at(open_);
    if (next_ == content.size()) {
      atEnd = true;
      return 0;
    }
    byte = static_cast<std::uint8_t>(content[next_++]);
    return 0;
  }

  std::int32_t write(std::string_view bytes) override {
    if (open_.empty() || !writing_) return strayUse();
    if (const std::int32_t error = injected(Operation::Write, open_)) return error;
    files.at(open_) += bytes;
    return 0;
  }

  std::int32_t close() override {
    const std::string closing = std::exchange(open_, std::string());
    return injected(Operation::Close, closing);
  }

 private:
  std::int32_t strayUse() {
    ++strayUses;
    return io_error::AccessDenied;
  }

  std::int32_t injected(Operation operation, std::string_view file) {
    auto counts = counts_.find(file);
    if (counts == counts_.end())
      counts = counts_.emplace(std::string(file), OperationCounts{}).first;
    const int occurrence = ++counts->second[static_cast<std::size_t>(operation)];
    for (const Failure& failure : failures) {
      if (failure.operation == operation && failure.file == file &&
          failure.occurrence == occurrence) {
        return failure.code;
      }
    }
    return 0;
  }

  // Per file, how often each operation was asked, in the order of `Operation`.
  using OperationCounts = std::array<int, 4>;
  std::map<std::string, OperationCounts, std::less<>> counts_;
  std::string open_;
  bool writing_ = false;
  std::size_t next_ = 0;
};

}  // namespace orvane::testing
