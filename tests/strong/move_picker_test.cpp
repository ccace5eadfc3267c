#include "strong/move_picker.hpp"

#include <gtest/gtest.h>

#include "strong/evaluation.hpp"
#include "strong/threat_cells.hpp"
#include "support/board_text.hpp"
#include "support/fake_clock.hpp"
#include "support/random_game.hpp"

namespace orvane::strong {
namespace {

// A board, a solver and the picker's cells for the side to move.
struct Picked {
  explicit Picked(const Board& position, Side toMove, GameRule rule = GameRule::Freestyle)
      : board(position, RuleLines(rule, true)), turnClock(clock), solver(board, control, cache) {
    control.start(turnClock, TurnBudget{}, 0);
    stage = PickMoves(board, solver, toMove, moves);
  }
  bool has(int cell) const {
    for (int i = 0; i < moves.size(); ++i) {
      if (moves.cell(i) == cell) return true;
    }
    return false;
  }

  testing::FakeClock clock;
  StrongBoard board;
  TurnClock turnClock;
  TurnControl control;
  SolverCache cache{1 << 16};
  ThreatSolver solver;
  MoveList moves;
  MoveStage stage;
};

// The other side has a four to complete and an open three besides: the block is the only move,
// not a cell against the three.
TEST(MovePickerTest, FacingAFiveOnlyTheBlock) {
  Board board = EmptyBoard({15, 15});
  for (auto [x, y, state] : {std::tuple{4, 9, CellState::Own},
                             {5, 9, CellState::Opponent},
                             {6, 9, CellState::Opponent},
                             {7, 9, CellState::Opponent},
                             {8, 9, CellState::Opponent},
                             {10, 9, CellState::Opponent},
                             {5, 6, CellState::Opponent},
                             {5, 8, CellState::Opponent},
                             {7, 7, CellState::Own},
                             {8, 7, CellState::Own},
                             {9, 6, CellState::Own},
                             {6, 11, CellState::Own},
                             {9, 11, CellState::Own}})
    board.set(x, y, state);
  const Picked picked(board, Side::Own);
  EXPECT_EQ(picked.stage, MoveStage::BlockFive);
  ASSERT_EQ(picked.moves.size(), 1);
  EXPECT_EQ(picked.moves.cell(0), cellIndex(9, 9));
}

// In positions of random games, whenever the other side threatens, no cell the picker leaves
// out stops the threat: after a stone there the other side still has its five, or still
// threatens a straight four, a four with a three or two threes.
TEST(MovePickerTest, LeavesOutNoDefence) {
  std::mt19937 rng(11);
  int threatened = 0;
  for (int game = 0; game < 400; ++game) {
    const Board board = testing::RandomGamePosition(rng, 12 + game % 24);
    for (Side toMove : {Side::Own, Side::Opponent}) {
      Picked picked(board, toMove);
      if (picked.stage == MoveStage::Quiet || picked.stage == MoveStage::BreakFourWin) continue;
      if (FiveCell(picked.board, toMove) >= 0) continue;
      ++threatened;
      const Side other = opposite(toMove);
      for (int cell = 0; cell < CellCount; ++cell) {
        if (!picked.board.isEmpty(cell) || picked.has(cell)) continue;
        picked.board.play(cell, toMove);
        const bool stillThreatened = picked.stage == MoveStage::BlockFive
                                         ? FiveCell(picked.board, other) >= 0
                                         : MenaceOf(picked.board, other) != Menace::None;
        picked.board.undo(cell);
        ASSERT_TRUE(stillThreatened) << "game " << game << ", cell " << cell % BoardSide << ","
                                     << cell / BoardSide << " stops the threat";
      }
    }
  }
  EXPECT_GT(threatened, 100);
}

// Against a threat every answer stays in the list, however long: only quiet lists are cut.
TEST(MovePickerTest, OrderingCutsOnlyQuietLists) {
  std::mt19937 rng(5);
  MoveOrder order;
  order.clear();
  int longAnswers = 0;
  for (int game = 0; game < 300; ++game) {
    const Board board = testing::RandomGamePosition(rng, 20 + game % 20);
    Picked picked(board, Side::Own);
    const int before = picked.moves.size();
    OrderMoves(picked.board, order, picked.stage, Side::Own, 1, -1, {}, picked.moves);
    if (picked.stage == MoveStage::Quiet) {
      EXPECT_EQ(picked.moves.size(), std::min(before, tuning::QuietWidth));
    } else {
      EXPECT_EQ(picked.moves.size(), before);
      longAnswers += before > tuning::QuietWidth ? 1 : 0;
    }
  }
  EXPECT_GT(longAnswers, 0);
}

// The order counts a cell's nearness to the last stones by the longer of its two distances, 1 to
// 4 cells, then all further ones alike; the tuner learns by the same bins.
TEST(MovePickerTest, NearnessByTheLongerDistance) {
  struct Case {
    int stoneX, stoneY, cellX, cellY, nearness;
  };
  const Case cases[] = {{9, 9, 10, 9, 0},  {9, 9, 8, 8, 0},  {9, 9, 9, 11, 1}, {9, 9, 11, 10, 1},
                        {9, 9, 6, 12, 2},  {9, 9, 13, 5, 3}, {9, 9, 5, 11, 3}, {9, 9, 14, 9, 4},
                        {0, 0, 19, 19, 4}, {19, 0, 0, 1, 4}};
  for (const Case& c : cases) {
    EXPECT_EQ(NearnessOf(c.stoneY * BoardSide + c.stoneX, c.cellY * BoardSide + c.cellX),
              c.nearness)
        << c.stoneX << "," << c.stoneY << " to " << c.cellX << "," << c.cellY;
  }
}

}  // namespace
}  // namespace orvane::strong
