#include <gtest/gtest.h>

#include <array>
#include <random>

#include "patterns/cell_evaluation.hpp"
#include "reference_evaluation.hpp"
#include "support/board_rows.hpp"
#include "support/random_board.hpp"

namespace orvane {
namespace {

using testing::BoardAsRows;
using testing::LineSteps;
using testing::RandomBoard;
using testing::ReferenceEvaluation;

TEST(PatternCodeAgainstWindowDefinition, FullCellEvaluationAgreesOnRandomBoards) {
  std::mt19937 rng(20240611);
  // Which codes -223..223 the reference gave, at index code + 223.
  std::array<bool, 2 * 223 + 1> seen{};
  int mismatches = 0;
  for (int round = 0; round < 1000; ++round) {
    const Board board = RandomBoard(rng);
    for (int y = 0; y < BoardSide; ++y) {
      for (int x = 0; x < BoardSide; ++x) {
        if (board.at(x, y) != CellState::Empty) continue;
        CellCodes codes;
        FullCellEvaluation(codes, board, x, y);
        for (int d = 0; d < 4; ++d) {
          const DirectionCode expected = ReferenceEvaluation(board, x, y, LineSteps[d]).code();
          seen[expected + 223] = true;
          if (codes.code[d] == expected) continue;
          ADD_FAILURE() << "cell (" << x << ", " << y << "), direction " << d + 1 << ": expected "
                        << expected << ", got " << codes.code[d] << "\n"
                        << BoardAsRows(board);
          if (++mismatches == 10) return;
        }
      }
    }
  }

  // The boards must have reached the strong shapes of both sides for the comparison to mean much.
  for (DirectionCode code : {31, 30, 29, 62, 189, 124, 60, 54, 108, 42}) {
    EXPECT_TRUE(seen[code + 223]) << "no cell with code " << code;
    EXPECT_TRUE(seen[-code + 223]) << "no cell with code " << -code;
  }
}

}  // namespace
}  // namespace orvane
