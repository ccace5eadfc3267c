#include <gtest/gtest.h>

#include "patterns/cell_evaluation.hpp"
#include "patterns/line_code_table.hpp"
#include "support/board_rows.hpp"

namespace orvane {
namespace {

// Every neighbourhood a cell can have along a line, laid out on a row with the evaluated cell at
// x = 4 and a blocked cell standing for the edge: the table gives what the walk gives.
TEST(LineCodeTable, EveryNeighbourhoodGivesTheCodeOfAFullEvaluation) {
  constexpr int CellX = 4;
  constexpr int Row = 7;
  for (int neighbours = 0; neighbours < LineNeighbourhoodCount; ++neighbours) {
    Board board;
    for (int slot = 0; slot < 8; ++slot) {
      const int x = slot < 4 ? slot : slot + 1;
      board.set(x, Row, static_cast<CellState>((neighbours >> (2 * slot)) & 3));
    }
    CellCodes walked;
    FullCellEvaluation(walked, board, CellX, Row);
    ASSERT_EQ(LineCodeTable[neighbours], walked.code[2]) << "neighbourhood " << neighbours << "\n"
                                                         << testing::BoardAsRows(board);
  }
}

}  // namespace
}  // namespace orvane
