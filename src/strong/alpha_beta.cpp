#include "strong/alpha_beta.hpp"

#include <algorithm>

#include "strong/evaluation.hpp"
#include "strong/move_picker.hpp"
#include "strong/search_parameters.hpp"
#include "strong/search_values.hpp"
#include "strong/threat_cells.hpp"
#include "strong/zobrist.hpp"

namespace orvane::strong {

std::uint64_t AlphaBeta::keyOf(Side toMove) const {
  return board_.hash() ^ (toMove == Side::Opponent ? OpponentToMoveKey : 0);
}

SolverLine AlphaBeta::principalLine() const {
  SolverLine line;
  for (int i = 0; i < stack_[0].lineLength; ++i)
    line.push(stack_[0].line[i]);
  return line;
}

void AlphaBeta::setLine(int ply, int cell, bool alone) {
  PlyFrame& frame = stack_[ply];
  frame.line[0] = static_cast<std::int16_t>(cell);
  frame.lineLength = 1;
  if (alone || ply + 1 >= MaxPly) return;
  const PlyFrame& below = stack_[ply + 1];
  for (int i = 0; i < below.lineLength && frame.lineLength < MaxPly; ++i)
    frame.line[frame.lineLength++] = below.line[i];
}

int AlphaBeta::search(int depth, int alpha, int beta, int ply, Side toMove, bool principal) {
  const bool root = ply == 0;
  stack_[ply].lineLength = 0;
  if (root) {
    rootBestMove_ = -1;
    rootBestValue_ = -Infinite;
  }
  const Side other = opposite(toMove);
  if (const int five = FiveCell(board_, toMove); five >= 0) {
    setLine(ply, five, true);
    return winWithFiveAt(ply + 1);
  }
  if (ply >= MaxPly - 4) return Evaluate(board_, toMove);
  const CellBits& otherFives = board_.cellsWith(other, Threat::Five);
  const int block = otherFives.first();
  if (block >= 0) {
    if (otherFives.count() > 1 || board_.isForbidden(toMove, block)) return lossWithFiveAt(ply + 2);
  } else if (const int winning = WinningFourCell(board_, toMove); winning >= 0) {
    setLine(ply, winning, true);
    return winWithFiveAt(ply + 3);
  }
  // No result here can beat a five on the next move, nor lose sooner than the one after.
  alpha = std::max(alpha, lossWithFiveAt(ply + 2));
  beta = std::min(beta, winWithFiveAt(ply + 1));
  if (alpha >= beta) return alpha;

  if (block >= 0 && !root) {
    // The only move: searched as deep as the node itself.
    stack_[ply].move = block;
    play(block, toMove);
    const int value = -search(depth, -beta, -alpha, ply + 1, other, principal);
    board_.undo(block);
    if (control_.stopped()) return 0;
    setLine(ply, block, false);
    return value;
  }

  const std::uint64_t key = keyOf(toMove);
  int tableMove = -1;
  if (TableEntry entry; table_.find(key, entry)) {
    tableMove = entry.move;
    if (!principal && entry.depth >= depth) {
      const int value = fromTable(entry.value, ply);
      if (entry.bound == Bound::Exact || (entry.bound == Bound::Lower && value >= beta) ||
          (entry.bound == Bound::Upper && value <= alpha)) {
        return value;
      }
    }
  }

  if (!board_.cellsWith(toMove, Threat::Four).empty() ||
      !board_.cellsWith(toMove, Threat::FourThree).empty()) {
    const std::uint64_t fourNodes = depth <= 0 ? shape_.leafFourNodes : shape_.fourNodes;
    if (const int moves = solver_.fourWin(toMove, tuning::NodeFourMoves, fourNodes)) {
      setLine(ply, solver_.line().cells[0], true);
      return winWithFiveAt(ply + 2 * moves - 1);
    }
  }
  if (depth <= 0 && !root) return Evaluate(board_, toMove);

  MoveList& moves = stack_[ply].moves;
  if (!root) {
    const MoveStage stage = PickMoves(board_, solver_, toMove, moves, shape_.fourNodes);
    const LastMoves last{ply >= 1 ? stack_[ply - 1].move : -1,
                         ply >= 2 ? stack_[ply - 2].move : -1};
    OrderMoves(board_, order_, stage, toMove, ply, tableMove, last, moves, shape_.quietWidth);
  }
  if (moves.empty()) {
    // A threat with no answer, or a full board.
    if (MenaceOf(board_, other) != Menace::None) return lossWithFiveAt(ply + 4);
    return 0;
  }

  const int startAlpha = alpha;
  int best = -Infinite;
  int bestMove = -1;
  for (int i = 0; i < moves.size(); ++i) {
    const int cell = moves.cell(i);
    const bool quiet = board_.threat(toMove, cell) < Threat::Three &&
                       board_.threat(other, cell) < Threat::Three &&
                       order_.killerRank(ply, cell) == 0 && cell != tableMove;
    stack_[ply].move = cell;
    play(cell, toMove);
    int value;
    if (i == 0) {
      value = -search(depth - 1, -beta, -alpha, ply + 1, other, principal);
    } else {
      const int reduction = quiet && shape_.pruning
                                ? reduction_(depth, i, principal, order_.history(toMove, cell))
                                : 0;
      value = -search(depth - 1 - reduction, -alpha - 1, -alpha, ply + 1, other, false);
      if (value > alpha && reduction > 0)
        value = -search(depth - 1, -alpha - 1, -alpha, ply + 1, other, false);
      if (value > alpha && value < beta && principal)
        value = -search(depth - 1, -beta, -alpha, ply + 1, other, true);
    }
    board_.undo(cell);
    if (control_.stopped()) return 0;
    // A root cell that fails low keeps its bound as its order for the next iteration.
    if (root) moves.setScore(i, value);
    if (value > best) {
      best = value;
      bestMove = cell;
      if (root) {
        rootBestMove_ = cell;
        rootBestValue_ = value;
      }
      if (value > alpha) {
        alpha = value;
        setLine(ply, cell, false);
        if (value >= beta) {
          order_.recordCutoff(toMove, ply, cell, depth);
          break;
        }
      }
    }
  }
  const Bound bound = best >= beta ? Bound::Lower : best > startAlpha ? Bound::Exact : Bound::Upper;
  table_.store(key, static_cast<std::int16_t>(toTable(best, ply)),
               static_cast<std::int16_t>(bestMove), depth, bound);
  return best;
}

}  // namespace orvane::strong
