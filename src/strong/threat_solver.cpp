#include "strong/threat_solver.hpp"

#include "strong/threat_cells.hpp"
#include "strong/zobrist.hpp"

namespace orvane::strong {

namespace {

// Salts that keep apart, in the cache, the searches by fours and by threats of either side.
constexpr std::uint64_t FourSalt[2] = {0x5bd1e9955bd1e995ull, 0x2545f4914f6cdd1dull};
constexpr std::uint64_t ThreatSalt[2] = {0x9fb21c651e98df25ull, 0xc2b2ae3d27d4eb4full};

// Fours first, those with a three before the others, then by worth to both sides.
void orderAttacks(const StrongBoard& board, Side attacker, MoveList& moves) {
  for (int i = 0; i < moves.size(); ++i) {
    const int cell = moves.cell(i);
    const Threat threat = board.threat(attacker, cell);
    const int rank = threat == Threat::FourThree ? 3 : makesFour(threat) ? 2 : 1;
    moves.setScore(i, rank * 100000 + board.summary(attacker, cell).worth +
                          board.summary(opposite(attacker), cell).worth);
  }
}

}  // namespace

void ThreatSolver::play(int cell, Side side) {
  board_.play(cell, side);
  path_[depth_++] = static_cast<std::int16_t>(cell);
  control_.countNode();
}

void ThreatSolver::undo() {
  board_.undo(path_[--depth_]);
}

bool ThreatSolver::outOfBudget() {
  if (control_.phaseOver() || control_.nodes() >= nodeLimit_) aborted_ = true;
  return aborted_;
}

void ThreatSolver::win(int last, bool fiveNext) {
  // The attacker moved first, so it played every other stone of the path from the first.
  foundMoves_ = (depth_ + 1) / 2 + (fiveNext ? 1 : 2);
  found_.clear();
  for (int i = 0; i < depth_; ++i)
    found_.push(path_[i]);
  found_.push(last);
}

void ThreatSolver::startSearch(std::uint64_t nodeBudget) {
  depth_ = 0;
  aborted_ = false;
  nodeLimit_ = control_.nodes() + nodeBudget;
  found_.clear();
}

int ThreatSolver::fourWin(Side attacker, int maxMoves, std::uint64_t nodeBudget) {
  startSearch(nodeBudget);
  return fourAttack(attacker, maxMoves) ? foundMoves_ : 0;
}

int ThreatSolver::shortestFourWin(Side attacker, int maxMoves, std::uint64_t nodeBudget) {
  startSearch(nodeBudget);
  for (int moves = 1; moves <= maxMoves && !aborted_; ++moves) {
    if (fourAttack(attacker, moves)) return foundMoves_;
  }
  return 0;
}

int ThreatSolver::shortestThreatWin(Side attacker, int maxMoves, std::uint64_t nodeBudget) {
  startSearch(nodeBudget);
  for (int moves = 1; moves <= maxMoves && !aborted_; ++moves) {
    // The line found is the last branch proven, which may be shorter than the whole win: the
    // least moves are those of the first depth that wins.
    if (threatAttack(attacker, moves)) return moves;
  }
  return 0;
}

bool ThreatSolver::fourAttack(Side attacker, int movesLeft) {
  const Side defender = opposite(attacker);
  if (const int five = FiveCell(board_, attacker); five >= 0) {
    win(five);
    return true;
  }
  if (movesLeft <= 1 || depth_ + 2 >= MaxDepth || outOfBudget()) return false;
  MoveList& moves = moves_[depth_];
  moves.clear();
  const CellBits& defenderFives = board_.cellsWith(defender, Threat::Five);
  if (!defenderFives.empty()) {
    // The attacker must block, and keeps the initiative only when the block is a four.
    const int block = defenderFives.first();
    if (defenderFives.count() > 1 || !makesFour(board_.threat(attacker, block)) ||
        board_.isForbidden(attacker, block)) {
      return false;
    }
    moves.add(block);
  } else {
    if (const int winning = WinningFourCell(board_, attacker); winning >= 0) {
      win(winning, false);
      return true;
    }
    AddFourCells(board_, attacker, moves);
  }
  const std::uint64_t key = board_.hash() ^ FourSalt[sideIndex(attacker)];
  if (moves.empty() || cache_.failed(key, movesLeft)) return false;
  orderAttacks(board_, attacker, moves);
  for (int i = 0; i < moves.size(); ++i) {
    moves.bringBest(i);
    const int four = moves.cell(i);
    play(four, attacker);
    const CellBits& fives = board_.cellsWith(attacker, Threat::Five);
    const int block = fives.first();
    bool won = false;
    if (block >= 0) {
      if (fives.count() > 1 || board_.isForbidden(defender, block)) {
        // Two cells to block, or the only one forbidden to black: the five comes next.
        win(block);
        won = true;
      } else {
        play(block, defender);
        won = fourAttack(attacker, movesLeft - 1);
        undo();
      }
    }
    undo();
    if (won) return true;
    if (aborted_) return false;
  }
  cache_.storeFailure(key, movesLeft);
  return false;
}

bool ThreatSolver::threatAttack(Side attacker, int movesLeft) {
  const Side defender = opposite(attacker);
  if (const int five = FiveCell(board_, attacker); five >= 0) {
    win(five);
    return true;
  }
  if (movesLeft <= 1 || depth_ + 2 >= MaxDepth || outOfBudget()) return false;
  const CellBits& defenderFives = board_.cellsWith(defender, Threat::Five);
  if (!defenderFives.empty()) {
    // A forced block, which must leave the attacker a four or a three to go on with.
    const int block = defenderFives.first();
    if (defenderFives.count() > 1 || board_.isForbidden(attacker, block)) return false;
    play(block, attacker);
    const bool won = threatDefence(attacker, movesLeft - 1);
    undo();
    return won;
  }
  if (const int winning = WinningFourCell(board_, attacker); winning >= 0) {
    win(winning, false);
    return true;
  }
  const std::uint64_t key = board_.hash() ^ ThreatSalt[sideIndex(attacker)];
  if (cache_.failed(key, movesLeft)) return false;
  MoveList& moves = moves_[depth_];
  moves.clear();
  AddFourCells(board_, attacker, moves);
  // A three needs two more moves after it; against a defender with a straight four to make, or
  // a four with a three, only fours keep the initiative.
  if (movesLeft >= 3 && WinningFourCell(board_, defender) < 0 &&
      board_.cellsWith(defender, Threat::FourThree).empty()) {
    AddThreeCells(board_, attacker, moves);
  }
  orderAttacks(board_, attacker, moves);
  for (int i = 0; i < moves.size(); ++i) {
    moves.bringBest(i);
    play(moves.cell(i), attacker);
    const bool won = threatDefence(attacker, movesLeft - 1);
    undo();
    if (won) return true;
    if (aborted_) return false;
  }
  cache_.storeFailure(key, movesLeft);
  return false;
}

bool ThreatSolver::threatDefence(Side attacker, int movesLeft) {
  const Side defender = opposite(attacker);
  if (FiveCell(board_, defender) >= 0) return false;
  const CellBits& fives = board_.cellsWith(attacker, Threat::Five);
  if (!fives.empty()) {
    const int block = fives.first();
    if (fives.count() > 1 || board_.isForbidden(defender, block)) {
      win(block);
      return true;
    }
    play(block, defender);
    const bool won = threatAttack(attacker, movesLeft);
    undo();
    return won;
  }
  if (movesLeft < 2 || depth_ + 2 >= MaxDepth) return false;
  const int menace = WinningFourCell(board_, attacker);
  if (menace < 0 || WinningFourCell(board_, defender) >= 0) return false;
  if (outOfBudget()) return false;
  MoveList& defences = moves_[depth_];
  defences.clear();
  AddDefenceCells(board_, attacker, Menace::WinningFour, defences);
  AddFourCells(board_, defender, defences);
  defences.removeIf([&](int cell) { return board_.isForbidden(defender, cell); });
  bool won = true;
  for (int i = 0; i < defences.size() && won; ++i) {
    play(defences.cell(i), defender);
    won = threatAttack(attacker, movesLeft);
    undo();
    if (aborted_) return false;
  }
  return won;
}

}  // namespace orvane::strong
