#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string_view>

#include "driver/turn.hpp"
#include "patterns/board_lines.hpp"
#include "patterns/forbidden_moves.hpp"
#include "support/board_rows.hpp"
#include "support/rule_turn.hpp"

namespace orvane {
namespace {

// A whole turn on 15 x 15 under one rule: "X" the brain's stones, "O" the other side's.
struct RuleMoveCase {
  const char* name;
  GameRule rule;
  bool ownIsBlack;
  std::initializer_list<std::string_view> rows;
  std::optional<Move> expected;  // the move; none where only the forbidden cell below is wrong
  std::optional<Move> forbidden;
  std::optional<Verdict> rootVerdict;
};

// Own stones make six with (5, 2), and in caro a five closed at both ends; the other side's
// four at y = 10 wins at (7, 10) unless blocked.
constexpr std::string_view SixRow = "OXXXX.X";
constexpr std::string_view ClosedFiveRow = "OXXXX.O";
constexpr std::string_view OtherFourRow = "..XOOOO..";

const RuleMoveCase Cases[] = {
    {"freestyle wins with six",
     GameRule::Freestyle,
     true,
     {"", "", SixRow, "", "", "", "", "", "", "", OtherFourRow},
     Move{5, 2},
     std::nullopt,
     Won},
    {"exactly five blocks instead of making six",
     GameRule::ExactFive,
     true,
     {"", "", SixRow, "", "", "", "", "", "", "", OtherFourRow},
     Move{7, 10},
     std::nullopt,
     Undecided},
    {"freestyle wins with a five closed at both ends",
     GameRule::Freestyle,
     true,
     {"", "", ClosedFiveRow, "", "", "", "", "", "", "", OtherFourRow},
     Move{5, 2},
     std::nullopt,
     Won},
    {"caro blocks instead of closing its own five",
     GameRule::Caro,
     true,
     {"", "", ClosedFiveRow, "", "", "", "", "", "", "", OtherFourRow},
     Move{7, 10},
     std::nullopt,
     Undecided},
    // White's four through (6, 10) can be stopped only at (7, 10), where black would make two
    // threes.
    {"renju white wins through black's forbidden cell",
     GameRule::Renju,
     false,
     {"X", "", "", "", "", "", "", "", ".......O", ".......O", "..OXXX...", "........O",
      ".........O"},
     Move{6, 10},
     std::nullopt,
     Won},
    // (5, 3) makes two threes for black.
    {"renju black never plays its double three",
     GameRule::Renju,
     true,
     {"", ".....X", ".....X", "...XX", "", "", "", "", "", "", "", "", "", ".............O",
      "O............OO"},
     std::nullopt,
     Move{5, 3},
     std::nullopt},
};

TEST(RuleMoves, EachRuleKnowsWhatWinsAndWhatBlackMayNotPlay) {
  for (const RuleMoveCase& c : Cases) {
    const auto [board, outcome] = testing::PlayRuleTurn(c.rule, c.ownIsBlack, c.rows);

    ASSERT_TRUE(outcome.move.has_value()) << c.name;
    if (c.expected) {
      EXPECT_EQ(*outcome.move, *c.expected) << c.name;
    }
    if (c.rootVerdict) {
      EXPECT_EQ(outcome.rootVerdict, *c.rootVerdict) << c.name;
    }
    // Black's stones along the line, each judged with the line's stones before it in place:
    // none of them is forbidden.
    if (c.rule == GameRule::Renju) {
      Board lineBoard = board;
      for (int i = 0; i < outcome.line.length; ++i) {
        const LineCell cell = outcome.line.cells[i];
        const bool own = i % 2 == 0;
        if (own == c.ownIsBlack) {
          BoardLines lines(lineBoard);
          EXPECT_EQ(
              ForbiddenMove(lines, RuleLines(c.rule, c.ownIsBlack), cellIndex(cell.x, cell.y)),
              Forbidden::No)
              << c.name << ": move " << i + 1 << " of the line";
        }
        lineBoard.set(cell.x, cell.y, own ? CellState::Own : CellState::Opponent);
      }
    }
    if (c.forbidden) {
      EXPECT_NE(*outcome.move, *c.forbidden) << c.name;
      BoardLines lines(board);
      const RuleLines codes(c.rule, c.ownIsBlack);
      EXPECT_EQ(ForbiddenMove(lines, codes, cellIndex(outcome.move->x, outcome.move->y)),
                Forbidden::No)
          << c.name << "\n"
          << testing::BoardAsRows(board);
    }
  }
}

}  // namespace
}  // namespace orvane
