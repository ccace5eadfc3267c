#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "patterns/board_lines.hpp"
#include "patterns/pattern_score_table.hpp"
#include "patterns/rule_lines.hpp"

namespace orvane {
namespace {

// A line as one side sees it, positions -5 to +5: "*" the side's stone on the evaluated cell,
// "X" the side's stones, "O" the other side's, "|" the edge, "." empty.
using Line = std::string;
constexpr int Centre = 5;

// The shapes of a line told by the rules of the game, one five-cell window at a time: a window
// through the cell holding five of the side's stones wins unless (exactly five) a stone of the
// side stands next to it or (caro) the other side's stones close the row it lies in at both
// ends.
class ReferenceShapes {
 public:
  explicit ReferenceShapes(FiveRule rule) : rule_(rule) {}

  LineShape of(const Line& line) {
    int key = 0;
    for (char cell : line)
      key = key * 4 + static_cast<int>(std::string_view(".XO|").find(cell == '*' ? 'X' : cell));
    if (memo_[key] < 0) memo_[key] = static_cast<int>(classify(line));
    return static_cast<LineShape>(memo_[key]);
  }

 private:
  bool isMine(const Line& line, int index) const {
    return index >= 0 && index < static_cast<int>(line.size()) &&
           (line[index] == 'X' || line[index] == '*');
  }
  bool isTheirs(const Line& line, int index) const {
    return index >= 0 && index < static_cast<int>(line.size()) && line[index] == 'O';
  }

  bool winningWindow(const Line& line, int first) const {
    for (int index = first; index < first + 5; ++index) {
      if (!isMine(line, index)) return false;
    }
    if (rule_.exact && (isMine(line, first - 1) || isMine(line, first + 5))) return false;
    // Caro closes the whole row, however long, at its two ends.
    int before = first - 1;
    int after = first + 5;
    while (isMine(line, before))
      --before;
    while (isMine(line, after))
      ++after;
    return !(rule_.caro && isTheirs(line, before) && isTheirs(line, after));
  }
  bool wins(const Line& line) const {
    for (int first = Centre - 4; first <= Centre; ++first) {
      if (winningWindow(line, first)) return true;
    }
    return false;
  }

  // Indices of the empty cells near the stone that give `line` a shape of the kind `wanted`.
  template <typename Wanted>
  std::vector<int> cellsMaking(const Line& line, Wanted wanted) {
    std::vector<int> cells;
    for (int index = Centre - 4; index <= Centre + 4; ++index) {
      if (line[index] != '.') continue;
      Line next = line;
      next[index] = 'X';
      if (wanted(next)) cells.push_back(index);
    }
    return cells;
  }

  LineShape classify(const Line& line) {
    if (wins(line)) return LineShape::Five;
    int run = 1;
    for (int index = Centre - 1; isMine(line, index); --index)
      ++run;
    for (int index = Centre + 1; isMine(line, index); ++index)
      ++run;
    if (rule_.exact && run > 5) return LineShape::Overline;

    const std::vector<int> fives = cellsMaking(line, [&](const Line& next) { return wins(next); });
    if (fives.size() == 2 && fives[1] - fives[0] == 5) return LineShape::StraightFour;
    if (fives.size() >= 2) return LineShape::DoubleFour;
    if (fives.size() == 1) return LineShape::Four;

    const std::vector<int> straightFours =
        cellsMaking(line, [&](const Line& next) { return of(next) == LineShape::StraightFour; });
    if (straightFours.size() >= 2) return LineShape::OpenThree;
    if (straightFours.size() == 1) {
      // Split when the cell lies inside the four in a row that it makes, not at one end.
      const int cell = straightFours[0];
      int first = cell;
      int last = cell;
      while (isMine(line, first - 1))
        --first;
      while (isMine(line, last + 1))
        ++last;
      return first < cell && cell < last ? LineShape::SplitThree : LineShape::Three;
    }
    auto makes = [&](auto test) { return !cellsMaking(line, test).empty(); };
    if (makes([&](const Line& next) { return fourCount(of(next)) > 0; }))
      return LineShape::ClosedThree;
    if (makes([&](const Line& next) { return isThree(of(next)); })) return LineShape::OpenTwo;
    if (makes([&](const Line& next) { return of(next) == LineShape::ClosedThree; }))
      return LineShape::ClosedTwo;
    return LineShape::None;
  }

  FiveRule rule_;
  std::vector<int> memo_ = std::vector<int>(1 << 22, -1);
};

struct RuleCase {
  const char* name;
  GameRule rule;
  FiveRule five;
};

const RuleCase Rules[] = {
    {"FiveOrMore", GameRule::Freestyle, {false, false}},  // white's rule in renju
    {"ExactFive", GameRule::ExactFive, {true, false}},
    {"Caro", GameRule::Caro, {false, true}},
    {"CaroExactFive", GameRule::CaroExactFive, {true, true}},
};

// Every line a stone can lie on, as row 0 of the board with the cell at x = 5 and "|" a blocked
// cell, which ends a row as the edge does: the shapes the rule's tables give both sides equal
// those of the reference, which walks the line itself.
TEST(RuleLines, EveryLineHasTheShapesOfTheRulesOfTheGame) {
  constexpr CellState States[] = {CellState::Empty, CellState::Own, CellState::Opponent,
                                  CellState::Blocked};
  constexpr int Row = 2;
  const int index = cellIndex(Centre, 0);
  for (const RuleCase& c : Rules) {
    ReferenceShapes reference(c.five);
    const RuleLines codes(c.rule, true);
    BoardLines lines{Board{}};
    for (int neighbours = 0; neighbours < 1 << 20; ++neighbours) {
      Line own(11, '.');
      Line opponent(11, '.');
      own[Centre] = '*';
      opponent[Centre] = '*';
      for (int slot = 0; slot < 10; ++slot) {
        const int x = slot < 5 ? slot : slot + 1;
        const int state = neighbours >> (2 * slot) & 3;
        own[x] = ".XO|"[state];
        opponent[x] = ".OX|"[state];
        lines.lift(cellIndex(x, 0));
        if (state != 0) lines.place(cellIndex(x, 0), States[state]);
      }
      const RuleLines::Shapes shapes =
          codes.shapes(lines.word(index, Row), LinePlaces[index][Row].shift);
      ASSERT_EQ(shapes.own, reference.of(own)) << c.name << " " << own;
      ASSERT_EQ(shapes.opponent, reference.of(opponent)) << c.name << " " << opponent;
    }
  }
}

// What makes the rules differ, as rows: "*" the cell, at x = 5, "|" a blocked cell (the edge).
struct TypicalShape {
  GameRule rule;
  std::string_view row;
  LineShape own;
};

const TypicalShape TypicalShapes[] = {
    {GameRule::Freestyle, ".XXXX*X", LineShape::Five},
    {GameRule::ExactFive, ".XXXX*X", LineShape::Overline},
    {GameRule::ExactFive, "..XXX*.X", LineShape::Four},  // x = 6 would make six
    {GameRule::ExactFive, ".X.XX*.X", LineShape::DoubleFour},
    {GameRule::ExactFive, "...XX*..X", LineShape::Three},  // x = 6 would make a four only
    {GameRule::Freestyle, "...XX*..X", LineShape::OpenThree},
    {GameRule::Caro, "OXXXX*O", LineShape::None},   // closed at both ends
    {GameRule::Caro, "|XXXX*O", LineShape::Five},   // the edge is no block
    {GameRule::Caro, ".OXXX*.O", LineShape::None},  // its five would be closed at both ends
    {GameRule::Freestyle, ".OXXX*.O", LineShape::Four},
    {GameRule::CaroExactFive, "OXXXX*..", LineShape::Five},
    {GameRule::CaroExactFive, ".XXXX*X", LineShape::Overline},
};

TEST(RuleLines, TypicalRowsHaveTheirRulesShapes) {
  constexpr int Row = 2;
  const int index = cellIndex(Centre, 0);
  for (const TypicalShape& c : TypicalShapes) {
    Board board;
    for (int x = 0; x < static_cast<int>(c.row.size()); ++x) {
      const char cell = c.row[x];
      board.set(x, 0,
                cell == 'X'   ? CellState::Own
                : cell == 'O' ? CellState::Opponent
                : cell == '|' ? CellState::Blocked
                              : CellState::Empty);
      ASSERT_TRUE(cell != '*' || x == Centre) << c.row;
    }
    const BoardLines lines(board);
    const RuleLines codes(c.rule, true);
    EXPECT_EQ(codes.shapes(lines.word(index, Row), LinePlaces[index][Row].shift).own, c.own)
        << c.row;
  }
}

}  // namespace
}  // namespace orvane
