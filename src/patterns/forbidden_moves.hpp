#pragma once

#include <cstdint>

#include "patterns/board_lines.hpp"
#include "patterns/rule_lines.hpp"

namespace orvane {

// Why black may not play a cell in renju.
enum class Forbidden : std::uint8_t { No, Overline, DoubleFour, DoubleThree };

// What a black stone on an empty cell makes in renju, by the rules of the game.
struct BlackMove {
  Forbidden forbidden = Forbidden::No;
  bool five = false;
  std::uint8_t fours = 0;  // a double four in one line counts two
  // Threes that can become a straight four by a move that is itself not forbidden, with the
  // stone in place. Counted only where they decide something: for a move with two or more
  // threes, or with a four and a three; at most two.
  std::uint8_t realThrees = 0;
};

// Judges black's stone on the empty cell `index`: a five is never forbidden; otherwise an
// overline, two or more fours, or two or more real threes are. A three counts only if one of the
// cells that turn it into a straight four is not forbidden itself, judged the same way with the
// first stone on the board, as deep as that goes. `lines` holds the position; the stones this
// puts down while it looks are lifted again before it returns.
BlackMove JudgeBlackMove(BoardLines& lines, const RuleLines& codes, int index);

inline Forbidden ForbiddenMove(BoardLines& lines, const RuleLines& codes, int index) {
  return JudgeBlackMove(lines, codes, index).forbidden;
}

}  // namespace orvane
