#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.hpp"

namespace orvane::testing {

// The manager's files held in memory, with failures injected at chosen operations. One file is
// open at a time, as on the real file system.
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
  std::vector<Failure> failures;

  // How many operations of a kind were asked on a file, failed ones included.
  int count(Operation operation, std::string_view file) const {
    const auto found = counts_.find({operation, std::string(file)});
    return found == counts_.end() ? 0 : found->second;
  }

  std::int32_t openForReading(std::string_view name) override {
    if (const std::int32_t error = injected(Operation::Open, name)) return error;
    if (!open_.empty()) return 4;
    if (!files.contains(name)) return 2;
    open_ = name;
    next_ = 0;
    return 0;
  }

  std::int32_t openForWriting(std::string_view name) override {
    if (const std::int32_t error = injected(Operation::Open, name)) return error;
    if (!open_.empty()) return 4;
    files[std::string(name)].clear();
    open_ = name;
    return 0;
  }

  std::int32_t readByte(std::uint8_t& byte, bool& atEnd) override {
    atEnd = false;
    if (const std::int32_t error = injected(Operation::Read, open_)) return error;
    const std::string& content = files.at(open_);
    if (next_ == content.size()) {
      atEnd = true;
      return 0;
    }
    byte = static_cast<std::uint8_t>(content[next_++]);
    return 0;
  }

  std::int32_t write(std::string_view bytes) override {
    if (const std::int32_t error = injected(Operation::Write, open_)) return error;
    files.at(open_) += bytes;
    return 0;
  }

  std::int32_t close() override {
    const std::string closing = std::exchange(open_, std::string());
    return injected(Operation::Close, closing);
  }

 private:
  std::int32_t injected(Operation operation, std::string_view file) {
    const int occurrence = ++counts_[{operation, std::string(file)}];
    for (const Failure& failure : failures) {
      if (failure.operation == operation && failure.file == file &&
          failure.occurrence == occurrence) {
        return failure.code;
      }
    }
    return 0;
  }

  std::map<std::pair<Operation, std::string>, int> counts_;
  std::string open_;
  std::size_t next_ = 0;
};

}  // namespace orvane::testing
