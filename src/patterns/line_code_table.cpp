#include "patterns/line_code_table.hpp"

#include "patterns/line_walk.hpp"

namespace orvane {

namespace {

using Table = std::array<std::int16_t, LineNeighbourhoodCount>;

constexpr CellState stateIn(unsigned neighbours, int slot) {
  return static_cast<CellState>((neighbours >> (2 * slot)) & 3);
}

// Walks on from a walk that has entered the cells up to position `position`, once for each state
// of the next cell, and writes the code of every completed neighbourhood.
constexpr void walkOn(Table& table, const LineWalk& walk, unsigned neighbours, int position) {
  if (position == 4) {
    table[neighbours] = static_cast<std::int16_t>(walk.code);
    return;
  }
  for (unsigned state = 0; state < 4; ++state) {
    LineWalk next = walk;
    next.enterTrailingCell(static_cast<CellState>(state));
    walkOn(table, next, neighbours | state << (8 + 2 * position), position + 1);
  }
}

// Each walk up to the evaluated cell is shared by the 256 neighbourhoods that differ only after
// it, which keeps the table cheap enough to build while compiling.
constexpr Table buildTable() {
  Table table{};
  for (unsigned before = 0; before < 256; ++before) {
    LineWalk walk;
    for (int slot = 0; slot < 4; ++slot)
      walk.enterLeadingCell(stateIn(before, slot), static_cast<std::uint8_t>(3 - slot));
    walk.enterEvaluatedCell();
    walkOn(table, walk, before, 0);
  }
  return table;
}

}  // namespace

constinit const Table LineCodeTable = buildTable();

}  // namespace orvane
