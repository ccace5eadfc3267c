// Whole-run benchmark: every bundled mid-game position is read from its manager's files and
// searched under a frozen clock, so the search always runs to its full depth. Prints per position
// the nodes searched and the time, then the total, the speed and a signature of every root list:
// any change in the search's behaviour changes the signature.
//
//   orvane_search_bench [--positions DIR] [--expect SIGNATURE]
//
// With --expect the exit code is 1 when the signature differs.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_signature.hpp"
#include "driver/io_channel.hpp"
#include "driver/move_files.hpp"
#include "driver/turn.hpp"
#include "platform/system_file_system.hpp"

namespace {

using namespace orvane;
using bench::FrozenClock;
using bench::Signature;

struct ManagerFiles {
  Board board;
  Timeouts timeouts;
};

bool readManagerFiles(const std::filesystem::path& directory, ManagerFiles& files) {
  SystemFileSystem fileSystem;
  IoChannel channel(fileSystem);
  channel.openForReading((directory / "tah.dat").string());
  const std::uint8_t ownSymbol = channel.ReadCharacter();
  channel.close();
  channel.openForReading((directory / "plocha.dat").string());
  ReadBoard(channel, ownSymbol, files.board);
  channel.close();
  channel.openForReading((directory / "timeouts.dat").string());
  files.timeouts = ReadTimeouts(channel);
  channel.close();
  return channel.pendingError() == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path positionsDir = ORVANE_POSITIONS_DIR;
  const char* expected = nullptr;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--positions") == 0) positionsDir = argv[i + 1];
    if (std::strcmp(argv[i], "--expect") == 0) expected = argv[i + 1];
  }

  std::vector<std::filesystem::path> directories;
  for (const auto& entry : std::filesystem::directory_iterator(positionsDir)) {
    if (entry.is_directory()) directories.push_back(entry.path());
  }
  std::sort(directories.begin(), directories.end());

  const FrozenClock clock;
  Signature signature;
  std::uint64_t totalNodes = 0;
  double totalSeconds = 0;
  std::printf("%-16s %5s %10s %10s %6s\n", "position", "depth", "nodes", "ms", "move");
  for (const auto& directory : directories) {
    ManagerFiles files;
    if (!readManagerFiles(directory, files)) {
      std::fprintf(stderr, "cannot read the files of %s\n", directory.c_str());
      return 2;
    }
    TurnRequest request;
    request.turnSeconds = TurnSecondsFrom(files.timeouts.turnSeconds);
    request.matchTimeLeft = files.timeouts.matchTimeLeft;
    const auto [outcome, seconds] = bench::PlayTimedTurn(files.board, request, clock);

    totalNodes += outcome.nodes;
    totalSeconds += seconds;
    bench::AddTurn(signature, outcome);
    const std::string move = bench::MoveText(outcome.move);
    std::printf("%-16s %5d %10" PRIu64 " %10.1f %6s\n", directory.filename().c_str(),
                outcome.budget.searchDepth, outcome.nodes, seconds * 1000, move.c_str());
  }

  std::printf("positions %zu  nodes %" PRIu64 "  seconds %.3f  nodes/s %.0f\n", directories.size(),
              totalNodes, totalSeconds, totalSeconds > 0 ? totalNodes / totalSeconds : 0.0);
  return bench::CheckSignature(signature, expected);
}
