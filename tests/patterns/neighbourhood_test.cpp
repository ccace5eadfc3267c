#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "patterns/cell_evaluation.hpp"
#include "patterns/neighbourhood.hpp"
#include "support/board_rows.hpp"
#include "support/line_steps.hpp"
#include "support/random_board.hpp"

namespace orvane {
namespace {

using testing::BoardAsRows;
using testing::LineSteps;
using testing::RandomBoard;

struct Cell {
  int x;
  int y;
};

// The map must describe the board: the marker 1001 in code 1 of every occupied cell (its other
// codes are not kept) and the four codes a full evaluation gives for every empty cell.
::testing::AssertionResult DescribesBoard(const PatternMap& map, const Board& board) {
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      CellCodes expected;
      expected.code[0] = 1001;
      int keptCodes = 1;
      if (board.at(x, y) == CellState::Empty) {
        FullCellEvaluation(expected, board, x, y);
        keptCodes = 4;
      }
      for (int d = 0; d < keptCodes; ++d) {
        if (map.at(x, y).code[d] == expected.code[d]) continue;
        return ::testing::AssertionFailure()
               << "cell (" << x << ", " << y << ") code " << d + 1 << ": expected "
               << expected.code[d] << ", got " << map.at(x, y).code[d] << "\n"
               << BoardAsRows(board);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameMap(const PatternMap& actual, const PatternMap& expected) {
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      for (int d = 0; d < 4; ++d) {
        if (actual.at(x, y).code[d] == expected.at(x, y).code[d]) continue;
        return ::testing::AssertionFailure()
               << "cell (" << x << ", " << y << ") code " << d + 1 << ": expected "
               << expected.at(x, y).code[d] << ", got " << actual.at(x, y).code[d];
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// A trial stone as the search handles it: board write, save, update; later lift and restore.
struct TrialStone {
  Cell cell;
  NeighbourhoodSave save;

  void place(Position& position, CellState side) {
    position.board.set(cell.x, cell.y, side);
    SaveNeighbourhood(save, position.map, cell.x, cell.y);
    UpdateAfterStone(position.map, BoardLines(position.board), cell.x, cell.y);
  }
  void lift(Position& position) const {
    position.board.set(cell.x, cell.y, CellState::Empty);
    RestoreNeighbourhood(save, position.map, cell.x, cell.y);
  }
};

std::vector<Cell> EmptyCells(const Board& board) {
  std::vector<Cell> cells;
  for (int y = 0; y < BoardSide; ++y)
    for (int x = 0; x < BoardSide; ++x)
      if (board.at(x, y) == CellState::Empty) cells.push_back({x, y});
  return cells;
}

Position InitialisedPosition(const Board& board) {
  Position position{board, {}};
  InitialisePatternMap(position.map, position.board);
  return position;
}

TEST(PatternMapAroundTrialStone, UpdateGivesFullInitialisationAndRestoreGivesMapBack) {
  std::mt19937 rng(77031);
  auto draw = [&rng](int high) { return std::uniform_int_distribution<int>(0, high)(rng); };
  for (int round = 0; round < 100; ++round) {
    Board board = RandomBoard(rng);
    // Every third board also holds stones of neither side, which block both sides' lines.
    for (int i = 0; round % 3 == 0 && i < 8; ++i)
      board.set(draw(19), draw(19), CellState::Blocked);
    Position position = InitialisedPosition(board);
    ASSERT_TRUE(DescribesBoard(position.map, position.board)) << "after the full initialisation";
    const PatternMap before = position.map;

    std::vector<Cell> tried = {{0, 0}, {19, 0}, {0, 19}, {19, 19}, {0, draw(19)}, {draw(19), 19}};
    const std::vector<Cell> empty = EmptyCells(position.board);
    for (int i = 0; i < 4 && !empty.empty(); ++i)
      tried.push_back(empty[draw(static_cast<int>(empty.size()) - 1)]);

    for (Cell cell : tried) {
      if (position.board.at(cell.x, cell.y) != CellState::Empty) continue;
      for (CellState side : {CellState::Own, CellState::Opponent}) {
        SCOPED_TRACE(::testing::Message() << "round " << round << ", stone on (" << cell.x << ", "
                                          << cell.y << ") for side " << static_cast<int>(side));
        TrialStone stone{cell, {}};
        stone.place(position, side);
        ASSERT_TRUE(DescribesBoard(position.map, position.board));
        stone.lift(position);
        ASSERT_TRUE(SameMap(position.map, before));
      }
    }
  }
}

// Stones placed and lifted in stack order, two tries per level, sides alternating by level. Below
// the first level a stone goes within four of the one above it, so that the neighbourhoods saved
// on the way down overlap.
void ExploreAndCheck(Position& position, std::mt19937& rng, int level, int depth, Cell above) {
  std::vector<Cell> candidates;
  for (Cell cell : EmptyCells(position.board)) {
    if (level == 1 || (std::abs(cell.x - above.x) <= 4 && std::abs(cell.y - above.y) <= 4))
      candidates.push_back(cell);
  }
  if (level > depth || candidates.empty()) return;
  const PatternMap before = position.map;
  const CellState side = level % 2 == 1 ? CellState::Own : CellState::Opponent;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int last = static_cast<int>(candidates.size()) - 1;
    TrialStone stone{candidates[std::uniform_int_distribution<int>(0, last)(rng)], {}};
    SCOPED_TRACE(::testing::Message() << "level " << level << ", stone on (" << stone.cell.x << ", "
                                      << stone.cell.y << ")");
    stone.place(position, side);
    ASSERT_TRUE(DescribesBoard(position.map, position.board));
    const PatternMap placed = position.map;
    ExploreAndCheck(position, rng, level + 1, depth, stone.cell);
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(SameMap(position.map, placed)) << "after the deeper stones";
    stone.lift(position);
    ASSERT_TRUE(SameMap(position.map, before));
  }
}

TEST(PatternMapAroundTrialStone, NestedStonesRestoreEveryLevel) {
  std::mt19937 rng(5150);
  for (int round = 0; round < 15; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    Position position = InitialisedPosition(RandomBoard(rng));
    ExploreAndCheck(position, rng, 1, 5, {0, 0});
    if (HasFatalFailure()) return;
  }
}

// Codes no evaluation produces, different for every cell and code, so that any write shows.
PatternMap SentinelMap(int base) {
  PatternMap map;
  for (int i = 0; i < CellCount; ++i)
    for (int d = 0; d < 4; ++d)
      map.cells[i].code[d] = -(base + 4 * i + d);
  return map;
}

const std::vector<Cell> EdgeAndInnerCells = {{0, 0}, {19, 0}, {0, 19}, {19, 19}, {0, 7},  {19, 12},
                                             {9, 0}, {4, 19}, {1, 1},  {18, 2},  {3, 16}, {10, 10}};

// Along direction d, the position t (-4..4) of (x, y) as seen from `from`, or 0 when it is not on
// that line within four.
int LinePosition(Cell from, Cell cell, int d) {
  for (int t = -4; t <= 4; ++t) {
    if (from.x + t * LineSteps[d].dx == cell.x && from.y + t * LineSteps[d].dy == cell.y) return t;
  }
  return 0;
}

// The update writes code 1 of the stone's cell and code d of the empty cells within four
// positions along direction d, nothing else.
TEST(PatternMapAroundTrialStone, UpdateWritesOnlyTheStoneAndItsLineNeighbours) {
  std::mt19937 rng(424242);
  for (Cell stone : EdgeAndInnerCells) {
    for (CellState side : {CellState::Own, CellState::Opponent}) {
      SCOPED_TRACE(::testing::Message() << "stone on (" << stone.x << ", " << stone.y
                                        << ") for side " << static_cast<int>(side));
      Board board = RandomBoard(rng);
      board.set(stone.x, stone.y, side);
      PatternMap map = SentinelMap(5000);
      const PatternMap sentinels = map;
      UpdateAfterStone(map, BoardLines(board), stone.x, stone.y);

      for (int y = 0; y < BoardSide; ++y) {
        for (int x = 0; x < BoardSide; ++x) {
          CellCodes fresh;
          if (board.at(x, y) == CellState::Empty) FullCellEvaluation(fresh, board, x, y);
          for (int d = 0; d < 4; ++d) {
            DirectionCode expected = sentinels.at(x, y).code[d];
            if (x == stone.x && y == stone.y && d == 0) expected = 1001;
            if (board.at(x, y) == CellState::Empty && LinePosition(stone, {x, y}, d) != 0)
              expected = fresh.code[d];
            ASSERT_EQ(map.at(x, y).code[d], expected)
                << "cell (" << x << ", " << y << ") code " << d + 1 << "\n"
                << BoardAsRows(board);
          }
        }
      }
    }
  }
}

// Save and restore copy exactly the stone's cell and its on-board line neighbours, all four codes.
TEST(PatternMapAroundTrialStone, SaveAndRestoreCoverExactlyTheLineNeighbourhood) {
  for (Cell stone : EdgeAndInnerCells) {
    SCOPED_TRACE(::testing::Message() << "stone on (" << stone.x << ", " << stone.y << ")");
    const PatternMap saved = SentinelMap(5000);
    const PatternMap overwritten = SentinelMap(9000);
    NeighbourhoodSave save;
    SaveNeighbourhood(save, saved, stone.x, stone.y);
    PatternMap map = overwritten;
    RestoreNeighbourhood(save, map, stone.x, stone.y);

    for (int y = 0; y < BoardSide; ++y) {
      for (int x = 0; x < BoardSide; ++x) {
        bool inNeighbourhood = x == stone.x && y == stone.y;
        for (int d = 0; d < 4; ++d)
          inNeighbourhood = inNeighbourhood || LinePosition(stone, {x, y}, d) != 0;
        const PatternMap& expected = inNeighbourhood ? saved : overwritten;
        ASSERT_EQ(map.at(x, y), expected.at(x, y)) << "cell (" << x << ", " << y << ")";
      }
    }
  }
}

}  // namespace
}  // namespace orvane
