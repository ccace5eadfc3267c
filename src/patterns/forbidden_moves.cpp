#include "patterns/forbidden_moves.hpp"

#include <array>

namespace orvane {

namespace {

// Whether the three through black's stone on `index` in `direction` can become a straight four
// by a black move that is not forbidden. The stone on `index` is on the board.
bool threeIsReal(BoardLines& lines, const RuleLines& codes, int index, int direction) {
  const LinePlace place = LinePlaces[index][direction];
  const int step = DirectionSteps.dx[direction] + BoardSide * DirectionSteps.dy[direction];
  for (int t = -4; t <= 4; ++t) {
    // Slots off the board read as blocked, so only empty cells on the board pass.
    if (t == 0 || stateAt(lines.word(index, direction), place.shift + 2 * t) != CellState::Empty)
      continue;
    const int cell = index + t * step;
    lines.place(cell, codes.black());
    const LineShape shape = codes.blackShape(lines.word(index, direction), place.shift);
    lines.lift(cell);
    if (shape == LineShape::StraightFour &&
        JudgeBlackMove(lines, codes, cell).forbidden == Forbidden::No) {
      return true;
    }
  }
  return false;
}

}  // namespace

BlackMove JudgeBlackMove(BoardLines& lines, const RuleLines& codes, int index) {
  std::array<LineShape, DirectionCount> shapes{};
  BlackMove move;
  bool overline = false;
  int threes = 0;
  for (int direction = 0; direction < DirectionCount; ++direction) {
    shapes[direction] =
        codes.blackShape(lines.word(index, direction), LinePlaces[index][direction].shift);
    move.five = move.five || shapes[direction] == LineShape::Five;
    overline = overline || shapes[direction] == LineShape::Overline;
    move.fours = static_cast<std::uint8_t>(move.fours + fourCount(shapes[direction]));
    threes += isThree(shapes[direction]) ? 1 : 0;
  }
  if (move.five) return move;
  if (overline) {
    move.forbidden = Forbidden::Overline;
    return move;
  }
  if (move.fours >= 2) {
    move.forbidden = Forbidden::DoubleFour;
    return move;
  }
  if (threes == 0 || (threes == 1 && move.fours == 0)) return move;

  lines.place(index, codes.black());
  for (int direction = 0; direction < DirectionCount && move.realThrees < 2; ++direction) {
    if (isThree(shapes[direction]) && threeIsReal(lines, codes, index, direction))
      ++move.realThrees;
  }
  lines.lift(index);
  if (move.realThrees >= 2) move.forbidden = Forbidden::DoubleThree;
  return move;
}

}  // namespace orvane
