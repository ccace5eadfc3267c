#include "strong/alpha_beta.hpp"

#include <algorithm>

#include "strong/evaluation.hpp"
#include "strong/search_values.hpp"
#include "strong/threat_cells.hpp"
#include "strong/zobrist.hpp"

namespace orvane::strong {

namespace {

constexpr std::int32_t TableMoveBonus = 100000000;
constexpr std::int32_t KillerBonus = 2000;
constexpr std::int32_t HistoryCap = 3000;

// The quiet cells: where either side makes anything short of a win.
constexpr Threat QuietThreats[] = {Threat::Minor, Threat::Three, Threat::DoubleThree, Threat::Four,
                                   Threat::FourThree};

}  // namespace

std::uint64_t AlphaBeta::keyOf(Side toMove) const {
  return board_.hash() ^ (toMove == Side::Opponent ? OpponentToMoveKey : 0);
}

SolverLine AlphaBeta::principalLine(int ply) const {
  SolverLine line;
  for (int i = ply; i < lineLength_[ply]; ++i)
    line.push(line_[ply][i]);
  return line;
}

void AlphaBeta::updatePrincipalLine(int ply, int cell) {
  line_[ply][ply] = static_cast<std::int16_t>(cell);
  const int below = ply + 1 < MaxPly ? lineLength_[ply + 1] : ply + 1;
  for (int i = ply + 1; i < below; ++i)
    line_[ply][i] = line_[ply + 1][i];
  lineLength_[ply] = std::max(below, ply + 1);
}

void AlphaBeta::generateMoves(Side toMove, MoveList& moves) {
  const Side other = opposite(toMove);
  moves.clear();
  const Menace menace = MenaceOf(board_, other);
  if (menace != Menace::None) {
    AddDefenceCells(board_, other, menace, moves);
    AddFourCells(board_, toMove, moves);
    // Against two threes to come, a three of one's own is a move ahead of them.
    if (menace == Menace::DoubleThree) AddThreeCells(board_, toMove, moves);
  } else if (solver_.fourWin(other, shape_.fourMoves, shape_.fourNodes) > 0) {
    // The other side wins by fours unless one of them is spoilt: the cells of its line, every
    // cell where it makes a four, and the fours of one's own.
    const SolverLine& line = solver_.line();
    for (int i = 0; i < line.length; ++i)
      moves.add(line.cells[i]);
    AddFourCells(board_, other, moves);
    AddFourCells(board_, toMove, moves);
  } else {
    CellBits quiet;
    for (Threat threat : QuietThreats) {
      quiet |= board_.cellsWith(toMove, threat);
      quiet |= board_.cellsWith(other, threat);
    }
    quiet.forEach([&](int cell) { moves.push(cell, 0); });
  }
  moves.removeIf(
      [&](int cell) { return !board_.isEmpty(cell) || board_.isForbidden(toMove, cell); });
  for (int i = 0; i < moves.size(); ++i)
    moves.setScore(i, CellOrder(board_, toMove, moves.cell(i)));
}

void AlphaBeta::scoreMoves(Side toMove, int ply, int tableMove, MoveList& moves) const {
  for (int i = 0; i < moves.size(); ++i) {
    const int cell = moves.cell(i);
    std::int32_t score = moves.score(i);
    if (cell == tableMove) score += TableMoveBonus;
    score += KillerBonus * order_.killerRank(ply, cell);
    score += std::min(order_.history(toMove, cell) / 16, HistoryCap);
    moves.setScore(i, score);
  }
}

int AlphaBeta::search(int depth, int alpha, int beta, int ply, Side toMove, bool principal) {
  lineLength_[ply] = ply;
  const Side other = opposite(toMove);
  if (const int five = FiveCell(board_, toMove); five >= 0) {
    updatePrincipalLine(ply, five);
    lineLength_[ply] = ply + 1;
    return winWithFiveAt(ply + 1);
  }
  if (ply >= MaxPly - 4) return Evaluate(board_, toMove);
  const CellBits& otherFives = board_.cellsWith(other, Threat::Five);
  const int block = otherFives.first();
  if (block >= 0) {
    if (otherFives.count() > 1 || board_.isForbidden(toMove, block)) return lossWithFiveAt(ply + 2);
  } else if (const int winning = WinningFourCell(board_, toMove); winning >= 0) {
    updatePrincipalLine(ply, winning);
    lineLength_[ply] = ply + 1;
    return winWithFiveAt(ply + 3);
  }
  // No result here can beat a five on the next move, nor lose sooner than the one after.
  alpha = std::max(alpha, lossWithFiveAt(ply + 2));
  beta = std::min(beta, winWithFiveAt(ply + 1));
  if (alpha >= beta) return alpha;

  if (block >= 0) {
    // The only move: searched as deep as the node itself.
    play(block, toMove);
    const int value = -search(depth, -beta, -alpha, ply + 1, other, principal);
    board_.undo(block);
    if (control_.stopped()) return 0;
    updatePrincipalLine(ply, block);
    return value;
  }

  const std::uint64_t key = keyOf(toMove);
  int tableMove = -1;
  if (const TableEntry* entry = table_.find(key)) {
    tableMove = entry->move;
    if (!principal && entry->depth >= depth) {
      const int value = fromTable(entry->value, ply);
      if (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && value >= beta) ||
          (entry->bound == Bound::Upper && value <= alpha)) {
        return value;
      }
    }
  }

  if (!board_.cellsWith(toMove, Threat::Four).empty() ||
      !board_.cellsWith(toMove, Threat::FourThree).empty()) {
    if (const int moves = solver_.fourWin(toMove, shape_.fourMoves, shape_.fourNodes)) {
      const SolverLine& line = solver_.line();
      updatePrincipalLine(ply, line.cells[0]);
      lineLength_[ply] = ply + 1;
      return winWithFiveAt(ply + 2 * moves - 1);
    }
  }
  if (depth <= 0) return Evaluate(board_, toMove);

  MoveList& moves = moves_[ply];
  generateMoves(toMove, moves);
  if (moves.empty()) {
    // A threat with no answer, or a full board.
    if (MenaceOf(board_, other) != Menace::None) return lossWithFiveAt(ply + 4);
    return 0;
  }
  scoreMoves(toMove, ply, tableMove, moves);
  moves.keepBest(shape_.quietWidth);

  const int startAlpha = alpha;
  int best = -Infinite;
  int bestMove = -1;
  for (int i = 0; i < moves.size(); ++i) {
    const int cell = moves.cell(i);
    const bool quiet = board_.threat(toMove, cell) < Threat::Three &&
                       board_.threat(other, cell) < Threat::Three &&
                       order_.killerRank(ply, cell) == 0 && cell != tableMove;
    play(cell, toMove);
    int value;
    if (i == 0) {
      value = -search(depth - 1, -beta, -alpha, ply + 1, other, principal);
    } else {
      int reduction = 0;
      if (shape_.lateMoveReductions && quiet && depth >= 3 && i >= (principal ? 5 : 3))
        reduction = i >= 10 && depth >= 6 ? 2 : 1;
      value = -search(depth - 1 - reduction, -alpha - 1, -alpha, ply + 1, other, false);
      if (value > alpha && reduction > 0)
        value = -search(depth - 1, -alpha - 1, -alpha, ply + 1, other, false);
      if (value > alpha && value < beta && principal)
        value = -search(depth - 1, -beta, -alpha, ply + 1, other, true);
    }
    board_.undo(cell);
    if (control_.stopped()) return 0;
    if (value > best) {
      best = value;
      bestMove = cell;
      if (value > alpha) {
        alpha = value;
        updatePrincipalLine(ply, cell);
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
