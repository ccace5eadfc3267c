#include "strong/transposition_table.hpp"

#include <gtest/gtest.h>

#include "strong/search_values.hpp"

namespace orvane::strong {
namespace {

// A win or a loss is kept counted from the node that stored it: read back at another ply, its
// five lies as many plies below the reading node as it did below the storing one. Other values
// pass unchanged.
TEST(TranspositionTableTest, DecidedValuesKeepTheirDistanceToTheFive) {
  struct Case {
    int value;
    int storedAt;
    int readAt;
    int expected;
  };
  const Case cases[] = {
      {winWithFiveAt(7), 3, 5, winWithFiveAt(9)},
      {winWithFiveAt(7), 3, 1, winWithFiveAt(5)},
      {lossWithFiveAt(6), 2, 8, lossWithFiveAt(12)},
      {lossWithFiveAt(6), 4, 4, lossWithFiveAt(6)},
      {MateBound, 3, 9, MateBound},
      {-250, 3, 9, -250},
  };
  TranspositionTable table(1 << 16);
  for (const Case& c : cases) {
    const std::uint64_t key = 0x9e3779b97f4a7c15ull * (c.value + 40000);
    table.store(key, static_cast<std::int16_t>(toTable(c.value, c.storedAt)), 12, 4, Bound::Exact);
    TableEntry entry;
    ASSERT_TRUE(table.find(key, entry));
    EXPECT_EQ(fromTable(entry.value, c.readAt), c.expected) << c.value;
    EXPECT_EQ(isDecided(fromTable(entry.value, c.readAt)), isDecided(c.value));
  }
}

// One bucket (a table of 64 bytes): four positions fill it; a fifth takes the place of the
// shallowest, and after a new turn of one left from the turn before, before a deeper one of its
// own turn. A position stored again keeps its place, and its move when the new search found none.
TEST(TranspositionTableTest, ReplacesTheShallowestAndTheOldestFirst) {
  TranspositionTable table(4 * TranspositionTable::EntryBytes);
  TableEntry entry;
  auto holds = [&](std::uint64_t key) { return table.find(key, entry); };
  for (int i = 1; i <= 4; ++i)
    table.store(i, 0, static_cast<std::int16_t>(i), 2 + (i * 3) % 5,
                Bound::Exact);  // depths 5 3 6 4
  table.store(5, 0, 5, 4, Bound::Lower);
  EXPECT_FALSE(holds(2));
  for (int key : {1, 3, 4, 5})
    EXPECT_TRUE(holds(key)) << key;

  table.store(3, 7, -1, 9, Bound::Upper);
  ASSERT_TRUE(holds(3));
  EXPECT_EQ(entry.move, 3);
  EXPECT_EQ(entry.depth, 9);
  EXPECT_EQ(entry.value, 7);
  EXPECT_EQ(entry.bound, Bound::Upper);

  table.startTurn();
  table.store(6, 0, 6, 1, Bound::Exact);  // the turn's first entry: it replaces an old one
  table.store(7, 0, 7, 1, Bound::Exact);
  EXPECT_TRUE(holds(6));
  EXPECT_TRUE(holds(7));
  EXPECT_TRUE(holds(3));  // deep enough to outlast a turn
}

}  // namespace
}  // namespace orvane::strong
