#include <gtest/gtest.h>

#include "strong/search_values.hpp"
#include "strong/strong_turn.hpp"
#include "strong/threat_cells.hpp"
#include "support/fake_clock.hpp"
#include "support/random_game.hpp"

namespace orvane::strong {
namespace {

// The strong brain answers "lost in 1" only when nothing stops the other side's five: it has
// two, or its only one is forbidden to black. Positions of random games in which the other side
// has a five to make, in freestyle and as black in renju, searched three plies deep; the brain
// must then play the block.
TEST(LossVerdictTest, LostInOneOnlyWhenNoBlockExists) {
  std::mt19937 rng(3);
  StrongSearch search(1 << 22);
  int facingFive = 0;
  for (int game = 0; game < 3000 && facingFive < 300; ++game) {
    const GameRule rule = game % 3 == 0 ? GameRule::Renju : GameRule::Freestyle;
    const Board board = testing::RandomGamePosition(rng, 14 + game % 30);
    StrongBoard strongBoard(board, RuleLines(rule, true));
    const CellBits& fives = strongBoard.cellsWith(Side::Opponent, Threat::Five);
    if (fives.empty() || FiveCell(strongBoard, Side::Own) >= 0) continue;
    ++facingFive;
    const int block = fives.first();
    const bool blockable = fives.count() == 1 && !strongBoard.isForbidden(Side::Own, block);

    testing::FakeClock clock;
    StrongRequest request;
    request.area = {15, 15};
    request.rule = rule;
    request.times = {0, -1};
    request.maxDepth = 3;
    const StrongOutcome outcome = PlayStrongTurn(search, board, request, TurnClock(clock), nullptr);
    ASSERT_TRUE(outcome.move);
    if (outcome.report.value == lossWithFiveAt(2)) {
      EXPECT_FALSE(blockable) << "game " << game;
    }
    if (blockable) {
      EXPECT_EQ(cellIndex(outcome.move->x, outcome.move->y), block) << "game " << game;
    }
  }
  EXPECT_GE(facingFive, 300);
}

}  // namespace
}  // namespace orvane::strong
