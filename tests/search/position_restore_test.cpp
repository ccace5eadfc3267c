#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/clock.hpp"

#include "support/bench_positions.hpp"
#include "support/search_rig.hpp"

namespace orvane {
namespace {

// Every search, however it ends, hands the board and the map back exactly as it found them.
// Runs over the bundled mid-game positions at several depths, with the clock standing and with
// the turn running out part way through.
struct RestoreCase {
  std::uint8_t searchDepth;
  int expiredFromReading;  // negative: the clock stands at the turn's start
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const RestoreCase& c, std::ostream* os) {
  *os << "depth " << int{c.searchDepth} << ", time up from reading " << c.expiredFromReading;
}

class PositionRestoreTest : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(PositionRestoreTest, BoardAndMapAreAsBefore) {
  const RestoreCase& c = GetParam();
  const auto directories = testing::BenchPositionDirectories(ORVANE_BENCH_POSITIONS_DIR);
  ASSERT_FALSE(directories.empty());
  for (const std::filesystem::path& directory : directories) {
    SCOPED_TRACE(directory.filename().string());
    testing::SearchRig rig;
    rig.setBoard(testing::ReadBenchBoard(directory));
    if (c.expiredFromReading >= 0) {
      const int expiry = c.expiredFromReading;
      rig.clock.localAtReading = [expiry](int reading) {
        return reading < expiry ? TimeOfDay{13, 5, 42, 378} : TimeOfDay{13, 30, 0, 0};
      };
    }

    const testing::NodeResult result = rig.search(1, c.searchDepth);

    EXPECT_TRUE(result.positionRestored);
    // The turn did run out, so the nodes on the path unwound early.
    if (c.expiredFromReading >= 0) {
      EXPECT_GT(rig.clock.localReadings, c.expiredFromReading);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, PositionRestoreTest,
                         ::testing::Values(RestoreCase{2, -1}, RestoreCase{3, -1},
                                           RestoreCase{4, -1}, RestoreCase{6, -1},
                                           RestoreCase{6, 5}, RestoreCase{10, 40}),
                         [](const ::testing::TestParamInfo<RestoreCase>& info) {
                           const RestoreCase& c = info.param;
                           return "Depth" + std::to_string(c.searchDepth) +
                                  (c.expiredFromReading < 0
                                       ? std::string("ClockStanding")
                                       : "ExpiringAtReading" +
                                             std::to_string(c.expiredFromReading));
                         });

}  // namespace
}  // namespace orvane
