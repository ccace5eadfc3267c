// The strong search's benchmark: every bundled mid-game position searched to a fixed depth with
// no time limit, so that the work is the same on every machine. Prints per position the depth,
// the nodes, the time, the move and the value, then the total, the speed and a signature of the
// nodes and moves: any change in the strong search's behaviour changes the signature.
//
//   orvane_strong_bench [--positions DIR] [--depth PLIES] [--expect SIGNATURE]
//   orvane_strong_bench --solve NODES [--positions DIR]
//
// With --expect the exit code is 1 when the signature differs. With --solve it runs the threat
// solver alone on every position, for the side to move: the least moves of its win by fours, then
// by fours and threes (0 for none), each within NODES nodes, with the nodes and the time taken.
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench_signature.hpp"
#include "strong/search_values.hpp"
#include "strong/strong_turn.hpp"
#include "strong/threat_solver.hpp"
#include "support/bench_positions.hpp"

namespace {

using namespace orvane;
using bench::FrozenClock;
using bench::Signature;

std::string valueText(int value) {
  if (!strong::isDecided(value)) return std::to_string(value);
  return std::string(value > 0 ? "won in " : "lost in ") +
         std::to_string(strong::movesToFive(value));
}

// The threat solver alone on every position, each search from an empty cache.
int solve(const std::filesystem::path& positionsDir, std::uint64_t nodes) {
  const FrozenClock clock;
  const strong::TurnClock turnClock(clock);
  strong::SolverCache cache(16u << 20);
  std::printf("%-16s %12s %10s %8s %12s %10s %8s\n", "position", "fours: moves", "nodes", "ms",
              "threats", "nodes", "ms");
  for (const auto& directory : testing::BenchPositionDirectories(positionsDir)) {
    strong::StrongBoard board(testing::ReadBenchBoard(directory),
                              RuleLines(GameRule::Freestyle, true));
    std::printf("%-16s", directory.filename().c_str());
    for (const bool threes : {false, true}) {
      cache.clear();
      strong::TurnControl control;
      control.start(turnClock, strong::TurnBudget{}, 0);
      strong::ThreatSolver solver(board, control, cache);
      const auto start = std::chrono::steady_clock::now();
      const int moves = threes ? solver.shortestThreatWin(strong::Side::Own, 20, nodes)
                               : solver.shortestFourWin(strong::Side::Own, 40, nodes);
      const double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
      const std::string result =
          solver.lastSearchComplete() || moves > 0 ? std::to_string(moves) : "open";
      std::printf(" %12s %10" PRIu64 " %8.1f", result.c_str(), control.nodes(), ms);
    }
    std::printf("\n");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path positionsDir = ORVANE_POSITIONS_DIR;
  const char* expected = nullptr;
  int depth = 5;
  std::uint64_t solveNodes = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--solve") == 0) solveNodes = std::strtoull(argv[i + 1], nullptr, 10);
    if (std::strcmp(argv[i], "--positions") == 0) positionsDir = argv[i + 1];
    if (std::strcmp(argv[i], "--expect") == 0) expected = argv[i + 1];
    if (std::strcmp(argv[i], "--depth") == 0) depth = std::atoi(argv[i + 1]);
  }

  if (solveNodes > 0) return solve(positionsDir, solveNodes);

  const FrozenClock clock;
  Signature signature;
  std::uint64_t totalNodes = 0;
  double totalSeconds = 0;
  // One search for all positions, as one brain keeps it through a match; each position starts
  // from nothing learnt, so that the figures do not depend on the order.
  strong::StrongSearch search(64u << 20);
  std::printf("%-16s %5s %10s %10s %6s  %s\n", "position", "depth", "nodes", "ms", "move", "value");
  for (const auto& directory : testing::BenchPositionDirectories(positionsDir)) {
    const Board board = testing::ReadBenchBoard(directory);
    strong::StrongRequest request;
    request.times = {0, -1};
    request.maxDepth = depth;
    search.forget();

    const auto start = std::chrono::steady_clock::now();
    const strong::StrongOutcome outcome =
        strong::PlayStrongTurn(search, board, request, strong::TurnClock(clock), nullptr);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    totalNodes += outcome.report.nodes;
    totalSeconds += seconds;
    signature.add(static_cast<std::int64_t>(outcome.report.nodes));
    signature.add(outcome.report.value);
    signature.add(outcome.move ? outcome.move->x * 100 + outcome.move->y : -1);
    const std::string move = bench::MoveText(outcome.move);
    std::printf("%-16s %5d %10" PRIu64 " %10.1f %6s  %s\n", directory.filename().c_str(),
                outcome.report.depth, outcome.report.nodes, seconds * 1000, move.c_str(),
                valueText(outcome.report.value).c_str());
  }

  std::printf("depth %d  nodes %" PRIu64 "  seconds %.3f  nodes/s %.0f\n", depth, totalNodes,
              totalSeconds, totalSeconds > 0 ? totalNodes / totalSeconds : 0.0);
  return bench::CheckSignature(signature, expected);
}
