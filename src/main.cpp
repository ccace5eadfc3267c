// The file-protocol brain: one run answers one move from the files in the current directory.
#include "driver/brain_run.hpp"
#include "platform/system_clock.hpp"
#include "platform/system_console.hpp"
#include "platform/system_file_system.hpp"

int main() {
  orvane::SystemClock clock;
  orvane::SystemFileSystem files;
  orvane::SystemConsole console;
  return orvane::RunBrain({clock, files, console});
}
