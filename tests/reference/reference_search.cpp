#include "reference/reference_search.hpp"

#include <cmath>
#include <cstdlib>

#include "patterns/cell_evaluation.hpp"
#include "patterns/pattern_score_table.hpp"

namespace orvane::testing {

namespace {

// Nearest integer, a half to the even neighbour (the default rounding mode of the FPU).
std::int32_t Round(double value) {
  return static_cast<std::int32_t>(std::nearbyint(value));
}

constexpr double K = 2.5;
constexpr double P = 8.0;

void ClearScores(Candidate& candidate) {
  candidate.attack = 0;
  candidate.defence = 0;
}

}  // namespace

ReferenceSearch::ReferenceSearch(const Board& board, std::uint8_t depth) : searchDepth(depth) {
  position.board = board;
  InitialisePatternMap(position.map, board);
}

int ReferenceSearch::scan(CandidateList& list, std::uint8_t level) const {
  for (int i = 1; i <= 14; ++i)
    list[i] = Candidate{};
  int attackLevel = 0;
  const int side = level % 2 == 1 ? 1 : -1;

  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      const CellCodes& codes = position.map.at(x, y);
      if (codes.code[0] >= 1001) continue;

      std::int32_t attack = 0;
      std::int32_t defence = 0;
      int attackCount = 0;
      int defenceCount = 0;
      for (int d = 0; d < 4; ++d) {
        const int c = codes.code[d];
        const PatternScore entry = PatternScoreTable[std::abs(c)];
        const int p = side * c;
        int v = 0;
        if (p > 0) v = entry.second;
        if (p < 0) v = -static_cast<int>(entry.first);
        if (p == 0) v = PatternScoreTable[0].first;
        if (std::abs(v) <= 200) {
          if (v == 200) attackCount += 10;
          if (v >= 135 && v <= 150) attackCount += 1;
          if (v == -25) defenceCount += 10;
          if (v == -20 || v == -19) defenceCount += 1;
        }
        if (v < 0)
          defence += -v;
        else
          attack += v;
      }

      if (attackCount >= 11) {
        attack += 2700;
        if (attackCount >= 20)
          attackLevel = 3;
        else if (attackLevel < 2)
          attackLevel = 2;
      } else if (attackCount >= 2 && attackCount <= 9) {
        attack += 0;
        if (attackLevel < 1) attackLevel = 1;
      }
      if (defenceCount >= 11)
        defence += 660;
      else if (defenceCount >= 2 && defenceCount <= 9)
        defence += 200;

      const Candidate cell{x, y, attack, defence};
      int p = 13;
      while (p > 1 && cell.total() > list[p - 1].total())
        --p;
      if (p != 13) {
        for (int q = 11; q >= p; --q)
          list[q + 1] = list[q];
        list[p] = cell;
      }
      if (attack > list[14].attack || (attack == list[14].attack && defence > list[14].defence))
        list[14] = cell;
      if (defence > list[13].defence || (defence == list[13].defence && attack > list[13].attack))
        list[13] = cell;
    }
  }
  return attackLevel;
}

// Every window of a cell's code lies within four cells of it along one line, so a stone can only
// change the codes of cells in the 9 x 9 box around it; those are evaluated afresh.
void ReferenceSearch::refreshAround(int x, int y) {
  position.map.at(x, y).code[0] = OccupiedMarker;
  for (int ny = y - 4; ny <= y + 4; ++ny) {
    for (int nx = x - 4; nx <= x + 4; ++nx) {
      if (!isOnBoard(nx, ny) || position.board.at(nx, ny) != CellState::Empty) continue;
      FullCellEvaluation(position.map.at(nx, ny), position.board, nx, ny);
    }
  }
}

void ReferenceSearch::node(CandidateList& list, std::uint8_t level, Verdict& verdict,
                           Verdict cutoffVerdict, std::int32_t sumMargin) {
  ++nodes;
  verdict = Undecided;
  Verdict childVerdicts[15];
  for (int i = 1; i <= 14; ++i)
    childVerdicts[i] = Undecided;
  const int attackLevel = scan(list, level);

  // Immediate rules; a later one overwrites an earlier one.
  const std::int32_t bestAttack = list[14].attack;
  const std::int32_t bestDefence = list[13].defence;
  if (level == searchDepth) {
    if (attackLevel == 1 && bestDefence < 700) verdict = LikelyWon;
    if (attackLevel == 2 && bestDefence < 14500) verdict = LikelyWon;
  }
  if (bestAttack >= 65000) verdict = Won;
  if ((bestAttack >= 3200 || attackLevel == 3) && bestDefence < 14500) verdict = Won;
  if (attackLevel >= 1 && bestDefence < 25) verdict = Won;

  // The head of the list.
  if (verdict >= 5)
    list[1] = list[14];
  else if (bestDefence >= 14500)
    list[1] = list[13];

  int count = 0;  // positions gathered at the end
  Verdict threshold = Undecided;
  std::int32_t bestTotal = 0;

  if (verdict != Undecided || level >= searchDepth) {
    count = 12;
    threshold = Undecided;
    bestTotal = list[1].total();
  } else {
    // The cells worth trying.
    const std::int32_t d = list[13].defence;
    int tryCount = 0;
    if (d >= 14500) {
      list.clear(13);
      list.clear(14);
      tryCount = 1;
    } else {
      std::int32_t least = 200;
      if (d >= 700) {
        if (list[14].attack < 200) list.clear(14);
      } else {
        least = Round(list[1].total() / P);
        if (least == 0) least = 1;
      }
      while (tryCount < 12 && list[tryCount + 1].total() >= least)
        ++tryCount;
    }
    for (int i = tryCount + 1; i <= 12; ++i)
      list.clear(i);

    // Best defence and best attack join the cells to try, unless already among them.
    bool defenceKept = false;
    bool attackKept = false;
    for (int i = 1; i <= tryCount; ++i) {
      if (list[13].sameCell(list[i])) defenceKept = true;
      if (list[14].sameCell(list[i])) attackKept = true;
    }
    if (list[13].defence > 0 && defenceKept) list.clear(13);
    if (list[14].attack > 0 && attackKept) list.clear(14);
    if (list[13].defence > 0) {
      if (tryCount < 12) {
        list[tryCount + 1] = list[13];
        list.clear(13);
      }
      ++tryCount;
    }
    if (list[14].attack > 0) {
      if (tryCount < 13) {
        list[tryCount + 1] = list[14];
        list.clear(14);
      }
      ++tryCount;
    }

    Verdict bestChild = NoReplyYet;
    std::int32_t bestSum = 0;
    if (level == 1 && tryCount <= 1) {
      bestChild = Undecided;
      bestSum = list[1].total();
    } else {
      std::int32_t timeoutPenalty = 0;
      CandidateList childList;
      for (int i = 1; i <= tryCount; ++i) {
        const int x = list[i].x;
        const int y = list[i].y;
        const PatternMap savedMap = position.map;
        position.board.set(x, y, level % 2 == 1 ? CellState::Own : CellState::Opponent);
        refreshAround(x, y);
        node(childList, level + 1, childVerdicts[i], bestChild, list[i].total() - bestSum);
        position.board.set(x, y, CellState::Empty);
        position.map = savedMap;

        const std::int32_t reduction = Round(childList[1].attack / K);
        list[i].attack -= reduction;
        if (list[i].attack < 0) list[i].attack = 0;

        const Verdict r = childVerdicts[i];
        if (r <= bestChild) {
          if (r < bestChild || list[i].total() > bestSum) {
            bestChild = r;
            bestSum = list[i].total();
          }
          const int w = 6 - bestChild;
          if (w > cutoffVerdict) break;
          if (w == cutoffVerdict) {
            const std::int32_t q = Round(list[i].attack / K);
            if (sumMargin < q) break;
            if (level >= 3 && sumMargin == q) break;
          }
        }
        if (r == LikelyWon && reduction > timeoutPenalty) timeoutPenalty = reduction;
        // After the last cell the time decides nothing, so the clock is only asked before others.
        if (i < tryCount && timeUp()) {
          if (bestChild > 5 || (bestChild == 5 && list[i + 1].total() > bestSum)) {
            bestChild = LikelyWon;
            bestSum = list[i + 1].total();
          }
          for (int j = i + 1; j <= tryCount; ++j) {
            childVerdicts[j] = LikelyWon;
            list[j].attack -= timeoutPenalty;
            if (list[j].attack < 0) list[j].attack = 0;
          }
          break;
        }
      }
    }

    // The node's own verdict.
    Verdict v = bestChild;
    if (tryCount == 0) v = Undecided;
    verdict = 6 - v;
    count = tryCount;
    threshold = v;
    bestTotal = bestSum;
  }

  // Gather the equally best cells at the front.
  for (int i = 1; i <= count; ++i) {
    if (childVerdicts[i] <= threshold && list[i].total() >= bestTotal) continue;
    ClearScores(list[i]);
    for (int j = i + 1; j <= count; ++j) {
      if (childVerdicts[j] == threshold && list[j].total() == bestTotal) {
        list[i] = list[j];
        childVerdicts[i] = childVerdicts[j];
        ClearScores(list[j]);
        childVerdicts[j] = Won;
        break;
      }
    }
  }
}

}  // namespace orvane::testing
