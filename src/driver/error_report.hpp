#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The text of an input/output error, followed by CR LF.
std::string ErrorReport(std::int32_t code);

}  // namespace orvane
