// Benchmark of the rules other than freestyle: positions of self-play games under each rule on
// 15 x 15 (bench/rule_positions/RULE/*.txt), each searched to full depth under a frozen clock.
// Prints per position the nodes and the time, then per rule the total, the speed and a signature
// of every root list, so that a change in any rule's search shows.
//
//   orvane_rule_bench [--rule RULE] [--as RULE] [--positions DIR] [--expect FILE]
//
// --rule keeps one rule's positions; --as searches them under another rule (the same positions
// cost per node under two rules, say); --expect names a file of lines "RULE SIGNATURE", and the
// exit code is 1 when a signature differs.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bench_signature.hpp"
#include "driver/turn.hpp"

namespace {

using namespace orvane;
using bench::FrozenClock;
using bench::Signature;

const std::map<std::string, GameRule> RuleNames = {{"freestyle", GameRule::Freestyle},
                                                   {"exact-five", GameRule::ExactFive},
                                                   {"renju", GameRule::Renju},
                                                   {"caro", GameRule::Caro},
                                                   {"caro-exact-five", GameRule::CaroExactFive}};

// A position file: the rule's name, "WIDTH HEIGHT", then the rows, "X" the side to move.
struct RulePosition {
  BoardArea area;
  Board board;
  bool moverIsBlack = true;
};

std::optional<RulePosition> readPosition(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string rule;
  RulePosition position;
  if (!(in >> rule >> position.area.width >> position.area.height)) return std::nullopt;
  position.board = EmptyBoard(position.area);
  int stones = 0;
  for (int y = 0; y < position.area.height; ++y) {
    std::string row;
    if (!(in >> row) || static_cast<int>(row.size()) != position.area.width) return std::nullopt;
    for (int x = 0; x < position.area.width; ++x) {
      if (row[x] == 'X') position.board.set(x, y, CellState::Own);
      if (row[x] == 'O') position.board.set(x, y, CellState::Opponent);
      stones += row[x] == '.' ? 0 : 1;
    }
  }
  position.moverIsBlack = stones % 2 == 0;
  return position;
}

std::map<std::string, std::string> readExpected(const char* file) {
  std::map<std::string, std::string> expected;
  std::ifstream in(file);
  std::string rule;
  std::string signature;
  while (in >> rule >> signature)
    expected[rule] = signature;
  return expected;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path positionsDir = ORVANE_RULE_POSITIONS_DIR;
  std::optional<std::string> onlyRule;
  std::optional<std::string> asRule;
  const char* expectFile = nullptr;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--positions") == 0) positionsDir = argv[i + 1];
    if (std::strcmp(argv[i], "--rule") == 0) onlyRule = argv[i + 1];
    if (std::strcmp(argv[i], "--as") == 0) asRule = argv[i + 1];
    if (std::strcmp(argv[i], "--expect") == 0) expectFile = argv[i + 1];
  }
  if (asRule && !RuleNames.contains(*asRule)) {
    std::fprintf(stderr, "unknown rule %s\n", asRule->c_str());
    return 2;
  }

  const FrozenClock clock;
  std::map<std::string, std::string> signatures;
  for (const auto& [name, fileRule] : RuleNames) {
    if (onlyRule && name != *onlyRule) continue;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(positionsDir / name))
      files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    const GameRule rule = asRule ? RuleNames.at(*asRule) : fileRule;

    Signature signature;
    std::uint64_t totalNodes = 0;
    double totalSeconds = 0;
    for (const auto& file : files) {
      const std::optional<RulePosition> read = readPosition(file);
      if (!read) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return 2;
      }
      TurnRequest request;
      request.turnSeconds = 30;
      request.matchTimeLeft = 2147483647;
      request.area = read->area;
      request.rule = rule;
      request.ownIsBlack = read->moverIsBlack;
      const auto [outcome, seconds] = bench::PlayTimedTurn(read->board, request, clock);
      totalNodes += outcome.nodes;
      totalSeconds += seconds;
      bench::AddTurn(signature, outcome);
      const std::string move = bench::MoveText(outcome.move);
      std::printf("%-16s %-14s %10" PRIu64 " %8.1f ms %6s\n", name.c_str(), file.stem().c_str(),
                  outcome.nodes, seconds * 1000, move.c_str());
    }
    signatures[name] = signature.text();
    std::printf("%s: positions %zu  nodes %" PRIu64 "  seconds %.3f  nodes/s %.0f  signature %s\n",
                name.c_str(), files.size(), totalNodes, totalSeconds,
                totalSeconds > 0 ? totalNodes / totalSeconds : 0.0, signatures[name].c_str());
  }

  if (expectFile == nullptr) return 0;
  int failures = 0;
  for (const auto& [rule, signature] : readExpected(expectFile)) {
    if (signatures.contains(rule) && signatures[rule] != signature) {
      std::fprintf(stderr, "%s: signature %s differs from the expected %s\n", rule.c_str(),
                   signatures[rule].c_str(), signature.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
