#pragma once

#include "platform/clock.hpp"
#include "platform/console.hpp"
#include "platform/file_system.hpp"

namespace orvane {

struct RunEnvironment {
  const Clock& clock;
  FileSystem& files;
  Console& console;
};

// One run of the file-protocol brain: reads "tah.dat", "plocha.dat" and "timeouts.dat", answers
// into "tah.dat" and returns the exit code (0 after an answer or the information banner, 1 after
// an input/output error report).
int RunBrain(const RunEnvironment& environment);

}  // namespace orvane
