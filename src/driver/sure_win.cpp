#include "driver/sure_win.hpp"

#include <array>
#include <cstdint>

#include "patterns/board_lines.hpp"
#include "patterns/forbidden_moves.hpp"

namespace orvane {

namespace {

// The position with trial stones on it, as cells and as line words, read through the rule's
// line tables: what a stone of either side makes there is the shape the search itself sees.
class TrialBoard {
 public:
  TrialBoard(const Board& board, const RuleLines& codes)
      : board_(board), lines_(board), codes_(codes) {}

  bool isEmpty(int index) const { return board_.cells[index] == CellState::Empty; }
  void place(int index, CellState side) {
    board_.cells[index] = side;
    lines_.place(index, side);
  }
  void lift(int index) {
    board_.cells[index] = CellState::Empty;
    lines_.lift(index);
  }

  // Whether a stone of `side` on the empty cell makes a five that wins under the rule.
  bool makesFive(int index, CellState side) const {
    for (int direction = 0; direction < DirectionCount; ++direction) {
      if (shape(index, direction, side) == LineShape::Five) return true;
    }
    return false;
  }
  // Whether an own stone on the empty cell makes a four, a straight four or two fours.
  bool makesOwnFour(int index) const {
    for (int direction = 0; direction < DirectionCount; ++direction) {
      if (fourCount(shape(index, direction, CellState::Own)) > 0) return true;
    }
    return false;
  }
  // Whether `side` may play the empty cell: everywhere, but black in renju not where it is
  // forbidden.
  bool mayPlay(int index, CellState side) {
    if (!codes_.forbidsBlackMoves() || codes_.black() != side) return true;
    return JudgeBlackMove(lines_, codes_, index).forbidden == Forbidden::No;
  }

 private:
  LineShape shape(int index, int direction, CellState side) const {
    const RuleLines::Shapes shapes =
        codes_.shapes(lines_.word(index, direction), LinePlaces[index][direction].shift);
    return side == CellState::Own ? shapes.own : shapes.opponent;
  }

  Board board_;
  BoardLines lines_;
  const RuleLines& codes_;
};

// The first empty cell in scan order that passes `test`. The cells past the game's area are
// blocked, so only the area's cells are tried.
template <typename Test>
std::optional<int> firstEmptyCell(const TrialBoard& trial, Test test) {
  for (int index = 0; index < CellCount; ++index) {
    if (trial.isEmpty(index) && test(index)) return index;
  }
  return std::nullopt;
}

// Whether, after an own stone on the empty cell `move`, every reply that the other side (which
// has no five to make) may play still leaves the own side a five to make. A reply stops a five by
// taking its cell or, in caro, by closing it at its second end.
bool noReplyStopsFive(TrialBoard& trial, int move) {
  trial.place(move, CellState::Own);
  std::array<std::int16_t, CellCount> fiveCells;
  int fiveCount = 0;
  for (int index = 0; index < CellCount; ++index) {
    if (trial.isEmpty(index) && trial.makesFive(index, CellState::Own))
      fiveCells[fiveCount++] = static_cast<std::int16_t>(index);
  }
  const std::optional<int> stop = firstEmptyCell(trial, [&](int reply) {
    trial.place(reply, CellState::Opponent);
    bool fiveLeft = false;
    for (int i = 0; i < fiveCount && !fiveLeft; ++i)
      fiveLeft = fiveCells[i] != reply && trial.makesFive(fiveCells[i], CellState::Own);
    trial.lift(reply);
    return !fiveLeft && trial.mayPlay(reply, CellState::Opponent);
  });
  trial.lift(move);
  return !stop;
}

Move moveAt(int index) {
  return {static_cast<std::uint8_t>(index % BoardSide),
          static_cast<std::uint8_t>(index / BoardSide)};
}

}  // namespace

std::optional<Move> FindSureWin(const Board& board, const RuleLines& codes) {
  TrialBoard trial(board, codes);
  // A five is never forbidden, and wins before the other side moves again.
  if (const std::optional<int> five = firstEmptyCell(
          trial, [&](int index) { return trial.makesFive(index, CellState::Own); })) {
    return moveAt(*five);
  }
  // A five of the other side's to come must be blocked first: the search finds the block.
  if (firstEmptyCell(trial, [&](int index) { return trial.makesFive(index, CellState::Opponent); }))
    return std::nullopt;
  // An own stone cannot give the other side a five, so after a four that no reply stops the
  // own side makes five next.
  const std::optional<int> four = firstEmptyCell(trial, [&](int index) {
    return trial.makesOwnFour(index) && trial.mayPlay(index, CellState::Own) &&
           noReplyStopsFive(trial, index);
  });
  if (four) return moveAt(*four);
  return std::nullopt;
}

}  // namespace orvane
