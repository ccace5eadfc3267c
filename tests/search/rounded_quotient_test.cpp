#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "search/search_settings.hpp"

namespace orvane {
namespace {

struct QuotientCase {
  std::int32_t value;
  Fraction divisor;
  std::int32_t rounded;

  friend void PrintTo(const QuotientCase& c, std::ostream* os) {
    *os << c.value << " / (" << c.divisor.numerator << "/" << c.divisor.denominator << ")";
  }
};

class RoundedQuotientTest : public ::testing::TestWithParam<QuotientCase> {};

TEST_P(RoundedQuotientTest, RoundsToNearestWithHalvesToEven) {
  const QuotientCase& c = GetParam();
  EXPECT_EQ(roundedQuotient(c.value, c.divisor), c.rounded);
}

// The try threshold: the leading total over P = 8.
INSTANTIATE_TEST_SUITE_P(
    TryThreshold, RoundedQuotientTest,
    ::testing::Values(QuotientCase{12, settings::P, 2},  // 1.5
                      QuotientCase{20, settings::P, 2},  // 2.5
                      QuotientCase{4, settings::P, 0},   // 0.5, raised to 1 by the caller
                      QuotientCase{28, settings::P, 4},  // 3.5
                      QuotientCase{36, settings::P, 4},  // 4.5
                      QuotientCase{13, settings::P, 2}, QuotientCase{3, settings::P, 0},
                      QuotientCase{0, settings::P, 0}, QuotientCase{3035, settings::P, 379}));

// The reduction of a tried cell's attack: a reply's attack over K = 2.5, never an exact half.
INSTANTIATE_TEST_SUITE_P(
    Reduction, RoundedQuotientTest,
    ::testing::Values(QuotientCase{1, settings::K, 0}, QuotientCase{2, settings::K, 1},
                      QuotientCase{4, settings::K, 2}, QuotientCase{5, settings::K, 2},
                      QuotientCase{7, settings::K, 3}, QuotientCase{270, settings::K, 108},
                      QuotientCase{3200, settings::K, 1280},
                      QuotientCase{65000, settings::K, 26000},
                      QuotientCase{2927, settings::K, 1171}));

}  // namespace
}  // namespace orvane
