#include "pipe/forbidden_cells.hpp"

#include <algorithm>

#include "patterns/board_lines.hpp"
#include "patterns/forbidden_moves.hpp"
#include "patterns/rule_lines.hpp"

namespace orvane::pipe {

namespace {

const char* reasonOf(Forbidden forbidden) {
  switch (forbidden) {
    case Forbidden::Overline:
      return "overline";
    case Forbidden::DoubleFour:
      return "double-four";
    case Forbidden::DoubleThree:
      return "double-three";
    case Forbidden::No:
      break;
  }
  return "";
}

}  // namespace

bool BrainPlaysBlack(const Board& board) {
  const auto stones = std::count_if(board.cells.begin(), board.cells.end(), [](CellState cell) {
    return cell == CellState::Own || cell == CellState::Opponent;
  });
  return stones % 2 == 0;
}

std::string ForbiddenReply(const Board& board, BoardArea area, GameRule rule) {
  std::string reply = "FORBIDDEN";
  if (rule != GameRule::Renju) return reply;
  const RuleLines codes(rule, BrainPlaysBlack(board));
  BoardLines lines(board);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      if (board.at(x, y) != CellState::Empty) continue;
      const Forbidden forbidden = ForbiddenMove(lines, codes, cellIndex(x, y));
      if (forbidden == Forbidden::No) continue;
      reply += ' ' + std::to_string(x) + ',' + std::to_string(y) + ',' + reasonOf(forbidden);
    }
  }
  return reply;
}

}  // namespace orvane::pipe
