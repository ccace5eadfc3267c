#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "patterns/board.hpp"

namespace orvane::testing {

struct BoardFileLayout {
  char fill = '-';
  int lineCount = BoardSide;
  std::string_view lineEnd = "\r\n";
};

// 20 cells: `start`, then `fill` up to the end of the row.
inline std::string Cells(std::string_view start, char fill = '-') {
  std::string row(start);
  if (row.size() < BoardSide) row.append(BoardSide - row.size(), fill);
  return row;
}

// A "plocha.dat" as a manager writes it: the given lines as they are, then rows of `fill` until
// the file holds `lineCount` lines, each line followed by `lineEnd`.
inline std::string BoardFileText(std::vector<std::string> lines, const BoardFileLayout& layout) {
  while (static_cast<int>(lines.size()) < layout.lineCount)
    lines.push_back(Cells("", layout.fill));
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += layout.lineEnd;
  }
  return text;
}

// A board full of `fill` stones but for one empty cell, which is then the only move.
inline std::string BoardWithOneEmptyCell(int x, int y, char fill, std::string_view lineEnd) {
  std::vector<std::string> lines(BoardSide, Cells("", fill));
  lines[y][x] = '-';
  return BoardFileText(lines, {.fill = fill, .lineEnd = lineEnd});
}

}  // namespace orvane::testing
