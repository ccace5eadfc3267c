#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "patterns/board.hpp"

namespace orvane::testing {

// The mid-game positions bundled with the benchmarks: one directory each, holding the manager's
// "plocha.dat" and "tah.dat" (whose first byte is the brain's own symbol).
inline std::vector<std::filesystem::path> BenchPositionDirectories(
    const std::filesystem::path& root) {
  std::vector<std::filesystem::path> directories;
  for (const auto& entry : std::filesystem::directory_iterator(root)) {
    if (entry.is_directory()) directories.push_back(entry.path());
  }
  std::sort(directories.begin(), directories.end());
  return directories;
}

// The board of one bundled position: "-" empty, the own symbol an own stone, anything else an
// opponent stone.
inline Board ReadBenchBoard(const std::filesystem::path& directory) {
  std::ifstream moveFile(directory / "tah.dat", std::ios::binary);
  std::ifstream boardFile(directory / "plocha.dat", std::ios::binary);
  char ownSymbol = 0;
  if (!moveFile.get(ownSymbol) || !boardFile) {
    throw std::runtime_error("unreadable position in " + directory.string());
  }
  Board board;
  std::string line;
  for (int y = 0; y < BoardSide; ++y) {
    if (!std::getline(boardFile, line) || line.size() < BoardSide) {
      throw std::runtime_error("short board in " + directory.string());
    }
    for (int x = 0; x < BoardSide; ++x) {
      if (line[x] == '-') continue;
      board.set(x, y, line[x] == ownSymbol ? CellState::Own : CellState::Opponent);
    }
  }
  return board;
}

}  // namespace orvane::testing
