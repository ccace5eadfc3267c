#pragma once

#include <cstdlib>
#include <string>
#include <vector>

namespace orvane::testing {

// The moment at which a brain started through faketime finds its clock standing, in UTC.
inline constexpr const char* FrozenTime = "2026-12-07 13:05:42.378";

// Whether faketime (Debian package faketime) can freeze a brain's clock.
inline bool HasFaketime() {
  return std::system("command -v faketime > /dev/null 2>&1") == 0;
}

// The command line that starts `binary` under the frozen clock.
inline std::vector<std::string> FrozenClockCommand(const std::string& binary) {
  return {"faketime", "-f", FrozenTime, binary};
}

// The environment of a brain run under faketime: UTC as the local time zone. faketime preloads
// its library ahead of the AddressSanitizer runtime of a sanitized build, which the runtime
// accepts once told to.
inline std::vector<std::string> FrozenClockEnvironment() {
  const char* const options = std::getenv("ASAN_OPTIONS");
  const std::string earlier =
      options != nullptr && *options != '\0' ? std::string(options) + ":" : "";
  return {"TZ=UTC", "ASAN_OPTIONS=" + earlier + "verify_asan_link_order=0"};
}

}  // namespace orvane::testing
