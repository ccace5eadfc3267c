#include "driver/root_choice.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <utility>

#include "driver/random_generator.hpp"

namespace orvane {
namespace {

// The seed of a run started at 13:05:42.378 UTC.
constexpr std::uint32_t Seed = 47142378;
constexpr std::uint32_t SeedAfterOneDraw = Seed * 134775813u + 1u;

TEST(RandomGeneratorTest, SeedIsMillisecondsSinceUtcMidnight) {
  EXPECT_EQ(RandomGenerator::FromUtcTime({13, 5, 42, 378}).seed(), Seed);
  EXPECT_EQ(RandomGenerator::FromUtcTime({23, 59, 59, 999}).seed(), 86399999u);
}

TEST(RandomGeneratorTest, DrawsFromTheRunSeed) {
  RandomGenerator twice(Seed);
  EXPECT_EQ(twice.RandomBelow(4), 3u);
  EXPECT_EQ(twice.RandomBelow(4), 1u);
  for (const auto& [n, first] : {std::pair{14u, 13u}, std::pair{3u, 2u}, std::pair{1u, 0u}}) {
    RandomGenerator random(Seed);
    EXPECT_EQ(random.RandomBelow(n), first) << "n = " << n;
    EXPECT_EQ(random.seed(), SeedAfterOneDraw) << "n = " << n;
  }
}

TEST(OpeningMoveTest, DrawsXThenYInTheCentreBlock) {
  RandomGenerator random(Seed);
  EXPECT_EQ(OpeningMove(random), (Move{11, 9}));
}

Board WithStones(std::initializer_list<std::pair<int, int>> cells) {
  Board board;
  for (const auto& [x, y] : cells)
    board.set(x, y, CellState::Opponent);
  return board;
}

// Positions 1 to `scored` name cells (position, 1) with a score; the others are zero.
CandidateList ScoredPositions(int scored) {
  CandidateList list;
  for (int position = 1; position <= scored; ++position)
    list[position] = {position, 1, 10, 5};
  return list;
}

Board FullBoard() {
  Board board;
  board.cells.fill(CellState::Own);
  return board;
}

struct RootChoiceCase {
  const char* name;
  CandidateList list;
  Board board;
  std::optional<Move> expected;

  friend void PrintTo(const RootChoiceCase& c, std::ostream* os) { *os << c.name; }
};

class ChooseRootMoveTest : public ::testing::TestWithParam<RootChoiceCase> {};

TEST_P(ChooseRootMoveTest, DrawsOnceAmongTheScoredLeadersOrFallsBackToTheCentre) {
  const RootChoiceCase& c = GetParam();
  RandomGenerator random(Seed);
  EXPECT_EQ(ChooseRootMove(c.list, c.board, random), c.expected);
  EXPECT_EQ(random.seed(), SeedAfterOneDraw);
}

CandidateList WithPosition(CandidateList list, int position, Candidate candidate) {
  list[position] = candidate;
  return list;
}

// With this seed a draw among 14 gives position 14, among 12 position 12, among 3 position 3.
INSTANTIATE_TEST_SUITE_P(
    Lists, ChooseRootMoveTest,
    ::testing::Values(
        RootChoiceCase{"AllFourteenQualify", ScoredPositions(14), {}, Move{14, 1}},
        RootChoiceCase{"ThreeQualify", ScoredPositions(3), {}, Move{3, 1}},
        RootChoiceCase{"ZeroPositionThirteenStopsTheCount",
                       WithPosition(ScoredPositions(14), 13, {}),
                       {},
                       Move{12, 1}},
        RootChoiceCase{"UnscoredFirstPositionAlone",
                       WithPosition(ScoredPositions(1), 1, {4, 4, 0, 0}),
                       {},
                       Move{4, 4}},
        RootChoiceCase{"ZeroSecondPositionHidesLaterOnes",
                       WithPosition(ScoredPositions(14), 2, {}),
                       {},
                       Move{1, 1}},
        RootChoiceCase{"ZeroCandidateNamesCornerCell", CandidateList{}, {}, Move{0, 0}},
        RootChoiceCase{"ZeroCandidateOnOccupiedCorner", CandidateList{}, WithStones({{0, 0}}),
                       Move{10, 10}},
        RootChoiceCase{"LowByteOfCoordinates",
                       WithPosition(ScoredPositions(1), 1, {259, 261, 1, 0}),
                       {},
                       Move{3, 5}},
        RootChoiceCase{"CoordinateOffTheBoard",
                       WithPosition(ScoredPositions(1), 1, {20, 3, 1, 0}),
                       {},
                       Move{10, 10}},
        RootChoiceCase{"NegativeCoordinate",
                       WithPosition(ScoredPositions(1), 1, {-1, 3, 1, 0}),
                       {},
                       Move{10, 10}},
        RootChoiceCase{"OccupiedPickCentreEmpty", ScoredPositions(3), WithStones({{3, 1}}),
                       Move{10, 10}},
        RootChoiceCase{"OccupiedPickFirstScannedAtDistanceOne", ScoredPositions(3),
                       WithStones({{3, 1}, {10, 10}}), Move{10, 9}},
        RootChoiceCase{"OccupiedPickNextAtDistanceOne", ScoredPositions(3),
                       WithStones({{3, 1}, {10, 10}, {10, 9}, {9, 10}}), Move{11, 10}},
        RootChoiceCase{"FullBoardHasNoMove", ScoredPositions(3), FullBoard(), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CentreFallbackTest, LastEmptyCellIsFoundAnywhere) {
  Board board = FullBoard();
  board.set(19, 0, CellState::Empty);
  EXPECT_EQ(CentreFallback(board), (Move{19, 0}));
  EXPECT_EQ(CentreFallback(FullBoard()), std::nullopt);
}

}  // namespace
}  // namespace orvane
