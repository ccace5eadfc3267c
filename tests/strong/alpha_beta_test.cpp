#include "strong/alpha_beta.hpp"

#include <gtest/gtest.h>

#include "strong/evaluation.hpp"
#include "strong/move_picker.hpp"
#include "strong/search_values.hpp"
#include "strong/threat_cells.hpp"
#include "support/fake_clock.hpp"
#include "support/random_game.hpp"

namespace orvane::strong {
namespace {

// Nothing cut, reduced or pruned, and every search by fours run to its end, so that the result of
// a node is a function of its position alone.
constexpr SearchShape Unlimited{CellCount, 1u << 30, 1u << 30, false};

// Plain minimax over the same nodes as the alpha-beta search: the same settled cases, the same
// cells at each node, the same leaves; every cell searched with no bound.
class Minimax {
 public:
  Minimax(StrongBoard& board, ThreatSolver& solver) : board_(board), solver_(solver) {}

  int value(int depth, int ply, Side toMove) {
    const Side other = opposite(toMove);
    if (const int five = FiveCell(board_, toMove); five >= 0) return winWithFiveAt(ply + 1);
    const CellBits& otherFives = board_.cellsWith(other, Threat::Five);
    const int block = otherFives.first();
    if (block >= 0) {
      if (otherFives.count() > 1 || board_.isForbidden(toMove, block))
        return lossWithFiveAt(ply + 2);
      board_.play(block, toMove);
      const int result = -value(depth, ply + 1, other);
      board_.undo(block);
      return result;
    }
    if (WinningFourCell(board_, toMove) >= 0) return winWithFiveAt(ply + 3);
    if (!board_.cellsWith(toMove, Threat::Four).empty() ||
        !board_.cellsWith(toMove, Threat::FourThree).empty()) {
      if (const int moves = solver_.fourWin(toMove, tuning::NodeFourMoves, Unlimited.fourNodes))
        return winWithFiveAt(ply + 2 * moves - 1);
    }
    if (depth <= 0) return Evaluate(board_, toMove);
    MoveList moves;
    PickMoves(board_, solver_, toMove, moves, Unlimited.fourNodes);
    if (moves.empty()) return MenaceOf(board_, other) != Menace::None ? lossWithFiveAt(ply + 4) : 0;
    int best = -Infinite;
    for (int i = 0; i < moves.size(); ++i) {
      board_.play(moves.cell(i), toMove);
      best = std::max(best, -value(depth - 1, ply + 1, other));
      board_.undo(moves.cell(i));
    }
    return best;
  }

 private:
  StrongBoard& board_;
  ThreatSolver& solver_;
};

// Positions of random games, in freestyle and as black and white in renju, searched one to three
// plies deep: the alpha-beta search with its table, its move order and its null windows gives
// the minimax value exactly, wins and losses with their plies included.
TEST(AlphaBetaTest, GivesTheMinimaxValue) {
  std::mt19937 rng(17);
  testing::FakeClock clock;
  const TurnClock turnClock(clock);
  int decided = 0;
  for (int game = 0; game < 60; ++game) {
    const GameRule rule = game % 3 == 0 ? GameRule::Renju : GameRule::Freestyle;
    // Three plies over few stones, whose nodes have few cells; one or two over more.
    const int depth = game % 30 == 0 ? 3 : 1 + game % 2;
    const Board board = testing::RandomGamePosition(rng, depth == 3 ? 5 + game % 4 : 6 + game % 20);
    StrongBoard strongBoard(board, RuleLines(rule, game % 2 == 0));
    TurnControl control;
    control.start(turnClock, TurnBudget{}, 0);
    SolverCache cache(1 << 16);
    ThreatSolver solver(strongBoard, control, cache);
    TranspositionTable table(1 << 16);
    MoveOrder order;
    order.clear();
    AlphaBeta search(strongBoard, table, order, solver, control, Unlimited);
    Minimax minimax(strongBoard, solver);
    const int expected = minimax.value(depth, 1, Side::Own);
    EXPECT_EQ(search.search(depth, -Infinite, Infinite, 1, Side::Own, true), expected)
        << "game " << game << ", depth " << depth;
    decided += isDecided(expected) ? 1 : 0;
  }
  EXPECT_GT(decided, 5);
}

}  // namespace
}  // namespace orvane::strong
