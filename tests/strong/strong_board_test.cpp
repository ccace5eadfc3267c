#include "strong/strong_board.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <vector>

#include "support/bench_positions.hpp"

namespace orvane::strong {
namespace {

struct GameCase {
  const char* name;
  GameRule rule;
  bool ownIsBlack;

  friend void PrintTo(const GameCase& c, std::ostream* os) { *os << c.name; }
};

// Everything the board keeps, cell by cell, against a board built afresh from the same stones.
void ExpectSameBoard(const StrongBoard& kept, const StrongBoard& fresh) {
  ASSERT_EQ(kept.hash(), fresh.hash());
  ASSERT_EQ(kept.stoneCount(), fresh.stoneCount());
  for (Side side : {Side::Own, Side::Opponent}) {
    ASSERT_EQ(kept.moverSum(side), fresh.moverSum(side));
    ASSERT_EQ(kept.waitingSum(side), fresh.waitingSum(side));
    for (int threat = 0; threat < ThreatCount; ++threat) {
      ASSERT_EQ(kept.cellsWith(side, static_cast<Threat>(threat)),
                fresh.cellsWith(side, static_cast<Threat>(threat)));
    }
    for (int cell = 0; cell < CellCount; ++cell) {
      ASSERT_EQ(kept.at(cell), fresh.at(cell));
      ASSERT_EQ(kept.summary(side, cell), fresh.summary(side, cell)) << "cell " << cell;
      for (int direction = 0; direction < DirectionCount; ++direction)
        ASSERT_EQ(kept.shape(side, cell, direction), fresh.shape(side, cell, direction));
    }
  }
}

class StrongBoardTest : public ::testing::TestWithParam<GameCase> {};

// Stones played one on another over each bundled position, near its stones and at the edges,
// then taken back in reverse order: after every stone the kept board equals one built from the
// stones alone, and after the last one is taken back, the board it started from.
TEST_P(StrongBoardTest, NestedStonesKeepTheBoardAsIfBuiltAfresh) {
  const GameCase& game = GetParam();
  const RuleLines codes(game.rule, game.ownIsBlack);
  std::mt19937 random(7);
  for (const auto& directory : testing::BenchPositionDirectories(ORVANE_BENCH_POSITIONS_DIR)) {
    Board board = testing::ReadBenchBoard(directory);
    // A smaller board: the cells past 15 x 15 blocked, the stones there gone.
    if (game.rule == GameRule::Caro)
      board = [&] {
        Board small = EmptyBoard({15, 15});
        for (int cell = 0; cell < CellCount; ++cell) {
          if (small.cells[cell] == CellState::Empty) small.cells[cell] = board.cells[cell];
        }
        return small;
      }();
    StrongBoard kept(board, codes);
    const StrongBoard start = kept;
    std::vector<int> played;
    Board now = board;
    for (int stone = 0; stone < 12; ++stone) {
      std::vector<int> empty;
      for (int cell = 0; cell < CellCount; ++cell) {
        if (now.cells[cell] == CellState::Empty) empty.push_back(cell);
      }
      const int cell = empty[random() % empty.size()];
      const Side side = stone % 2 == 0 ? Side::Own : Side::Opponent;
      kept.play(cell, side);
      now.cells[cell] = stoneOf(side);
      played.push_back(cell);
      ExpectSameBoard(kept, StrongBoard(now, codes));
    }
    for (auto cell = played.rbegin(); cell != played.rend(); ++cell)
      kept.undo(*cell);
    ExpectSameBoard(kept, start);
  }
}

INSTANTIATE_TEST_SUITE_P(Rules, StrongBoardTest,
                         ::testing::Values(GameCase{"Freestyle", GameRule::Freestyle, true},
                                           GameCase{"ExactFive", GameRule::ExactFive, true},
                                           GameCase{"RenjuBlack", GameRule::Renju, true},
                                           GameCase{"RenjuWhite", GameRule::Renju, false},
                                           GameCase{"CaroOnFifteen", GameRule::Caro, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The same stones under two rules, or with the other side black in renju, never share a hash,
// so that the tables keep what they learnt under each apart.
TEST(StrongBoardHash, TellsGamesApart) {
  const Board board = EmptyBoard({20, 20});
  const std::uint64_t freestyle = StrongBoard(board, RuleLines(GameRule::Freestyle, true)).hash();
  for (const auto& [rule, black] :
       {std::pair{GameRule::ExactFive, true}, std::pair{GameRule::Renju, true},
        std::pair{GameRule::Renju, false}, std::pair{GameRule::Caro, true}}) {
    EXPECT_NE(StrongBoard(board, RuleLines(rule, black)).hash(), freestyle);
  }
  EXPECT_NE(StrongBoard(board, RuleLines(GameRule::Renju, true)).hash(),
            StrongBoard(board, RuleLines(GameRule::Renju, false)).hash());
}

}  // namespace
}  // namespace orvane::strong
