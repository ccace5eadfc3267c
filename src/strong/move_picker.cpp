#include "strong/move_picker.hpp"

#include <algorithm>

#include "strong/evaluation.hpp"
#include "strong/search_parameters.hpp"
#include "strong/threat_cells.hpp"

namespace orvane::strong {

namespace {

// The quiet cells: where either side makes anything short of a win.
constexpr Threat QuietThreats[] = {Threat::Minor, Threat::Three, Threat::DoubleThree, Threat::Four,
                                   Threat::FourThree};

MoveStage gather(StrongBoard& board, ThreatSolver& solver, Side toMove, MoveList& moves,
                 std::uint64_t fourNodes) {
  const Side other = opposite(toMove);
  if (const int block = FiveCell(board, other); block >= 0) {
    moves.add(block);
    return MoveStage::BlockFive;
  }
  if (const Menace menace = MenaceOf(board, other); menace != Menace::None) {
    AddDefenceCells(board, other, menace, moves);
    AddFourCells(board, toMove, moves);
    if (menace == Menace::DoubleThree) AddThreeCells(board, toMove, moves);
    return MoveStage::AnswerMenace;
  }
  if (solver.fourWin(other, tuning::NodeFourMoves, fourNodes) > 0) {
    const SolverLine& line = solver.line();
    for (int i = 0; i < line.length; ++i)
      moves.add(line.cells[i]);
    AddFourCells(board, other, moves);
    AddFourCells(board, toMove, moves);
    return MoveStage::BreakFourWin;
  }
  CellBits quiet;
  for (Threat threat : QuietThreats) {
    quiet |= board.cellsWith(toMove, threat);
    quiet |= board.cellsWith(other, threat);
  }
  quiet.forEach([&](int cell) { moves.push(cell, 0); });
  return MoveStage::Quiet;
}

}  // namespace

MoveStage PickMoves(StrongBoard& board, ThreatSolver& solver, Side toMove, MoveList& moves,
                    std::uint64_t fourNodes) {
  moves.clear();
  const MoveStage stage = gather(board, solver, toMove, moves, fourNodes);
  moves.removeIf([&](int cell) { return !board.isEmpty(cell) || board.isForbidden(toMove, cell); });
  return stage;
}

void OrderMoves(const StrongBoard& board, const MoveOrder& order, MoveStage stage, Side toMove,
                int ply, int tableMove, LastMoves last, MoveList& moves, int quietWidth) {
  for (int i = 0; i < moves.size(); ++i) {
    const int cell = moves.cell(i);
    std::int32_t score =
        tuning::PolicyWeight * CellOrder(board, toMove, cell, last.other, last.own);
    if (cell == tableMove) score += tuning::TableMoveBonus;
    score += tuning::KillerBonus * order.killerRank(ply, cell);
    score += std::min(order.history(toMove, cell) / tuning::HistoryDivisor, tuning::HistoryCap);
    moves.setScore(i, score);
  }
  moves.keepBest(stage == MoveStage::Quiet ? quietWidth : moves.size());
}

}  // namespace orvane::strong
