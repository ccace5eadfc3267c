#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>

#include "reference/reference_search.hpp"
#include "support/bench_positions.hpp"
#include "support/board_rows.hpp"
#include "support/candidate_printing.hpp"
#include "support/random_board.hpp"
#include "support/search_rig.hpp"

namespace orvane::testing {
namespace {

// Runs the engine's search and the plain one from the root of the same position and reports every
// difference in the root list, the root verdict or the number of nodes visited. With
// `lateFromReading` >= 0 the turn is over from that reading of the clock on.
bool SameRootResult(const Board& board, int depth, const std::string& label,
                    int lateFromReading = -1) {
  SearchRig rig;
  rig.setBoard(board);
  if (lateFromReading >= 0) {
    const TimeOfDay start = rig.clock.local;
    rig.clock.localAtReading = [=](int reading) {
      return reading >= lateFromReading ? TimeOfDay{23, 0, 0, 0} : start;
    };
  }
  const NodeResult engine = rig.search(1, static_cast<std::uint8_t>(depth));

  ReferenceSearch plain(board, static_cast<std::uint8_t>(depth));
  int readings = 0;
  if (lateFromReading >= 0) plain.timeUp = [&] { return readings++ >= lateFromReading; };
  CandidateList list;
  Verdict verdict = 200;
  plain.node(list, 1, verdict, NoReplyYet, 1000000);

  const bool same = engine.list == list && engine.verdict == verdict &&
                    engine.nodes == plain.nodes && engine.positionRestored;
  if (!same) {
    ADD_FAILURE() << label << " at depth " << depth << ", late from reading " << lateFromReading
                  << "\n"
                  << BoardAsRows(board) << "engine: verdict " << int{engine.verdict} << ", "
                  << engine.nodes << " nodes, position restored " << engine.positionRestored
                  << ", list" << ::testing::PrintToString(engine.list) << "\nplain:  verdict "
                  << int{verdict} << ", " << plain.nodes << " nodes, list"
                  << ::testing::PrintToString(list);
  }
  return same;
}

// A position grown like a game: stones of both sides, each next to an earlier one, so that the
// clusters carry twos, threes and fours of either side.
Board GameLikeBoard(std::mt19937& rng) {
  auto draw = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  Board board;
  const int stones = draw(3, 30);
  const bool ownFirst = draw(0, 1) == 0;
  int x = draw(0, BoardSide - 1);
  int y = draw(0, BoardSide - 1);
  for (int placed = 0; placed < stones;) {
    if (board.at(x, y) == CellState::Empty) {
      board.set(x, y, (placed % 2 == 0) == ownFirst ? CellState::Own : CellState::Opponent);
      ++placed;
    }
    const int nx = x + draw(-2, 2);
    const int ny = y + draw(-2, 2);
    if (isOnBoard(nx, ny)) {
      x = nx;
      y = ny;
    }
  }
  return board;
}

// Every bundled position down to depth 8; depths 9 and 10 for the five whose deep searches end
// decided (won, lost or likely lost), which keeps the run short.
TEST(SearchDifferentialTest, BundledPositionsGiveTheSameRootAsThePlainSearch) {
  const auto directories = BenchPositionDirectories(ORVANE_BENCH_POSITIONS_DIR);
  ASSERT_EQ(directories.size(), 40u);
  const std::set<std::string> searchedDeeper = {"sp1_g000_p028", "sp2_g001_p026", "sp2_g004_p018",
                                                "sp2_g005_p013", "sp2_g006_p034"};
  int differences = 0;
  int deepRuns = 0;
  for (const auto& directory : directories) {
    const std::string name = directory.filename().string();
    const int deepest = searchedDeeper.contains(name) ? 10 : 8;
    deepRuns += deepest == 10 ? 1 : 0;
    const Board board = ReadBenchBoard(directory);
    for (int depth = 2; depth <= deepest && differences < 5; ++depth) {
      if (!SameRootResult(board, depth, name)) ++differences;
    }
  }
  EXPECT_EQ(deepRuns, 5);
}

TEST(SearchDifferentialTest, RandomPositionsGiveTheSameRootAsThePlainSearch) {
  int differences = 0;
  for (unsigned seed = 1; seed <= 300 && differences < 5; ++seed) {
    std::mt19937 rng(seed);
    const Board board = seed % 2 == 0 ? RandomBoard(rng) : GameLikeBoard(rng);
    for (int depth = 2; depth <= 6 && differences < 5; ++depth) {
      if (!SameRootResult(board, depth, "seed " + std::to_string(seed))) ++differences;
    }
  }
}

// The turn runs out after a chosen number of tried cells: the cells left untried at every level of
// the current path are marked as likely won for the other side, and the search unwinds.
TEST(SearchDifferentialTest, TurnRunningOutGivesTheSameRootAsThePlainSearch) {
  const auto directories = BenchPositionDirectories(ORVANE_BENCH_POSITIONS_DIR);
  int differences = 0;
  for (std::size_t i = 0; i < directories.size() && differences < 5; i += 4) {
    const Board board = ReadBenchBoard(directories[i]);
    for (int late : {0, 1, 2, 3, 5, 8, 13, 40, 150}) {
      if (!SameRootResult(board, 7, directories[i].filename().string(), late)) ++differences;
    }
  }
}

}  // namespace
}  // namespace orvane::testing
