#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "patterns/cell_evaluation.hpp"
#include "search/search_position.hpp"
#include "support/board_rows.hpp"
#include "support/random_board.hpp"

namespace orvane {
namespace {

struct Cell {
  int x;
  int y;
};

// Trial stones placed and lifted in stack order, sides alternating, each next stone within four
// of the one above so that the changed neighbourhoods overlap. After every stone the kept scores
// are those of the map as it now stands; after every lift they are what they were before. At the
// deepest level, as in the search, a stone keeps the scores of one side only.
void ExploreAndCheck(Position& shared, SearchPosition<>& position, std::mt19937& rng, int level,
                     Cell above) {
  constexpr int Deepest = 5;
  std::vector<Cell> near;
  for (int y = 0; y < BoardSide; ++y)
    for (int x = 0; x < BoardSide; ++x)
      if (shared.board.at(x, y) == CellState::Empty &&
          (level == 1 || (std::abs(x - above.x) <= 4 && std::abs(y - above.y) <= 4)))
        near.push_back({x, y});
  if (level > Deepest || near.empty()) return;

  const CellScores before = position.scores();
  for (int attempt = 0; attempt < 2; ++attempt) {
    const Cell cell = near[std::uniform_int_distribution<std::size_t>(0, near.size() - 1)(rng)];
    const ScoredSides sides = level < Deepest ? BothSides : onlySide(attempt);
    SCOPED_TRACE(::testing::Message()
                 << "level " << level << ", stone on (" << cell.x << ", " << cell.y << "), sides "
                 << sides.first << " to " << sides.last - 1);
    TrialStoneSave save;
    position.placeStone(cell.x, cell.y, level % 2 == 1 ? CellState::Own : CellState::Opponent,
                        sides, save);
    const CellScores fresh(shared.map);
    for (int side = sides.first; side < sides.last; ++side)
      ASSERT_TRUE(position.scores().forSide(side) == fresh.forSide(side))
          << "side " << side << "\n"
          << testing::BoardAsRows(shared.board);
    ExploreAndCheck(shared, position, rng, level + 1, cell);
    if (::testing::Test::HasFatalFailure()) return;
    position.liftStone(cell.x, cell.y, save);
    ASSERT_TRUE(position.scores() == before);
  }
}

TEST(SearchPosition, ScoresFollowTheMapAroundNestedTrialStones) {
  std::mt19937 rng(90210);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    Position shared{testing::RandomBoard(rng), {}};
    // Some boards also hold stones of neither side.
    for (int i = 0; round % 4 == 0 && i < 6; ++i)
      shared.board.set(static_cast<int>(rng() % BoardSide), static_cast<int>(rng() % BoardSide),
                       CellState::Blocked);
    InitialisePatternMap(shared.map, shared.board);
    SearchPosition position(shared);
    ExploreAndCheck(shared, position, rng, 1, {0, 0});
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace orvane
