#include "driver/error_report.hpp"

#include "platform/file_system.hpp"

namespace orvane {

namespace {

std::string errorText(std::int32_t code) {
  switch (code) {
    case io_error::FileNotFound:
      return "File not found";
    case io_error::InvalidFilename:
      return "Invalid filename";
    case io_error::TooManyOpenFiles:
      return "Too many open files";
    case io_error::AccessDenied:
      return "File access denied";
    case io_error::ReadBeyondEnd:
      return "Read beyond end of file";
    case io_error::DiskFull:
      return "Disk full";
    case io_error::InvalidNumericInput:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(code);
  }
}

}  // namespace

std::string ErrorReport(std::int32_t code) {
  return errorText(code) + "\r\n";
}

}  // namespace orvane
