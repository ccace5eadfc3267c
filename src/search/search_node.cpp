#include "search/search_node.hpp"

#include <array>
#include <bit>
#include <optional>
#include <type_traits>

#include "search/candidate_scan.hpp"
#include "search/search_settings.hpp"

namespace orvane {

namespace {

// Score thresholds; they are the values of the shapes they stand for in the pattern score table.
constexpr std::int32_t FiveAttack = 65000;     // own five
constexpr std::int32_t OpenFourAttack = 3200;  // own open four
constexpr std::int32_t FiveDefence = 14500;    // the other side has a five to make
constexpr std::int32_t OpenFourDefence = 700;  // the other side has an open four to make
constexpr std::int32_t FourScore = 200;        // a four (own attack, or any total)
constexpr std::int32_t FourDefence = 25;       // the other side has a four to make

// Reply verdicts of one node, by list position (index 0 unused).
using ChildVerdicts = std::array<Verdict, CandidateListSize + 1>;

// Rules that decide a node from its scan alone.
Verdict immediateVerdict(const CandidateList& list, AttackLevel attackLevel, bool atDepthLimit) {
  const std::int32_t bestAttack = list[BestAttackPosition].attack;
  const std::int32_t bestDefence = list[BestDefencePosition].defence;
  Verdict verdict = Undecided;
  if (atDepthLimit) {
    if (attackLevel == 1 && bestDefence < OpenFourDefence) verdict = LikelyWon;
    if (attackLevel == 2 && bestDefence < FiveDefence) verdict = LikelyWon;
  }
  if (bestAttack >= FiveAttack) verdict = Won;
  if ((bestAttack >= OpenFourAttack || attackLevel == 3) && bestDefence < FiveDefence)
    verdict = Won;
  if (attackLevel >= 1 && bestDefence < FourDefence) verdict = Won;
  return verdict;
}

// Whether the side to move at `level` is black in renju, who may not play every cell.
bool blackToMove(const SearchContext<RuleLines>& context, std::uint8_t level) {
  const RuleLines& codes = context.position.codes();
  const CellState mover = level % 2 == 1 ? CellState::Own : CellState::Opponent;
  return codes.forbidsBlackMoves() && mover == codes.black();
}

// The count of cells to try, `tryCount`, once every cell that black may not play has left
// positions 1 to `tryCount`, the cells after it moving up. A cell black may not play is no move.
template <typename Lines>
int playableCount(SearchContext<Lines>& context, std::uint8_t level, CandidateList& list,
                  int tryCount) {
  if constexpr (std::is_same_v<Lines, RuleLines>) {
    if (!blackToMove(context, level)) return tryCount;
    int kept = 0;
    for (int position = 1; position <= tryCount; ++position) {
      const Candidate cell = list[position];
      if (context.position.judgeBlackMove(cell.x, cell.y).forbidden == Forbidden::No)
        list[++kept] = cell;
    }
    for (int position = kept + 1; position <= tryCount; ++position)
      list.clear(position);
    return kept;
  } else {
    return tryCount;
  }
}

Candidate candidateOf(const SideScores& scores, int cell) {
  return {cell % BoardSide, cell / BoardSide, scores.attack(cell), scores.defence[cell]};
}

// Renju, black to move. The rules that decide a node from its scan take every cell as playable;
// black's open four wins only on a cell black may play, and a four with a three only if, besides,
// its three is real. A five of white's to come that black can stop only on a forbidden cell is
// black's loss. Returns the node's verdict, with the cell that wins as the best attack.
Verdict renjuBlackVerdict(SearchPosition<RuleLines>& position, CandidateList& list,
                          Verdict scanVerdict, bool atDepthLimit) {
  Candidate& bestAttack = list[BestAttackPosition];
  const std::int32_t bestDefence = list[BestDefencePosition].defence;
  if (bestAttack.attack >= FiveAttack) return Won;
  if (scanVerdict >= LikelyWon) {
    const int side = position.codes().black() == CellState::Own ? 0 : 1;
    const SideScores& scores = position.scores().forSide(side);
    std::optional<Candidate> openFour;
    std::optional<Candidate> fourThree;
    for (int cell = 0; cell < CellCount && !(openFour && fourThree); ++cell) {
      const bool isOpenFour = !openFour && scores.attack(cell) >= OpenFourAttack;
      const bool isFourThree =
          !fourThree && (scores.attackWord[cell] >> SideScores::LevelFlagShift) >= 2;
      if (!isOpenFour && !isFourThree) continue;
      const BlackMove move = position.judgeBlackMove(cell % BoardSide, cell / BoardSide);
      if (move.forbidden != Forbidden::No) continue;
      if (isOpenFour) openFour = candidateOf(scores, cell);
      if (isFourThree && move.fours >= 1 && move.realThrees >= 1)
        fourThree = candidateOf(scores, cell);
    }
    if (openFour && bestDefence < FiveDefence) {
      bestAttack = *openFour;
      return Won;
    }
    if (fourThree && bestDefence < FourDefence) {
      bestAttack = *fourThree;
      return Won;
    }
    if (fourThree && atDepthLimit && bestDefence < FiveDefence) {
      bestAttack = *fourThree;
      return LikelyWon;
    }
  }
  const Candidate& block = list[BestDefencePosition];
  if (bestDefence >= FiveDefence &&
      position.judgeBlackMove(block.x, block.y).forbidden != Forbidden::No) {
    return Lost;
  }
  return Undecided;
}

bool cellAmong(const CandidateList& list, int count, const Candidate& cell) {
  for (int position = 1; position <= count; ++position) {
    if (list[position].sameCell(cell)) return true;
  }
  return false;
}

// Keeps the leading positions worth trying, clears the rest of 1 to 12 and appends the best
// defence and best attack when they are not among them. Returns how many positions to try.
// Inlined into both searches, as it was into the one search before the traced one came.
[[gnu::always_inline]] inline int chooseCellsToTry(CandidateList& list) {
  const std::int32_t bestDefence = list[BestDefencePosition].defence;
  int tryCount = 0;
  if (bestDefence >= FiveDefence) {
    // Only the block of the other side's five, already at the head of the list.
    list.clear(BestDefencePosition);
    list.clear(BestAttackPosition);
    tryCount = 1;
  } else {
    std::int32_t threshold;
    if (bestDefence >= OpenFourDefence) {
      if (list[BestAttackPosition].attack < FourScore) list.clear(BestAttackPosition);
      threshold = FourScore;
    } else {
      threshold = roundedQuotient(list[1].total(), settings::P);
      if (threshold == 0) threshold = 1;
    }
    while (tryCount < settings::V && list[tryCount + 1].total() >= threshold)
      ++tryCount;
  }
  for (int position = tryCount + 1; position <= settings::V; ++position)
    list.clear(position);

  Candidate& defenceRecord = list[BestDefencePosition];
  Candidate& attackRecord = list[BestAttackPosition];
  const bool defenceKept = defenceRecord.defence > 0 && cellAmong(list, tryCount, defenceRecord);
  const bool attackKept = attackRecord.attack > 0 && cellAmong(list, tryCount, attackRecord);
  if (defenceKept) list.clear(BestDefencePosition);
  if (attackKept) list.clear(BestAttackPosition);
  if (defenceRecord.defence > 0) {
    if (tryCount < settings::V) {
      list[tryCount + 1] = defenceRecord;
      list.clear(BestDefencePosition);
    }
    ++tryCount;
  }
  if (attackRecord.attack > 0) {
    if (tryCount < settings::V + 1) {
      list[tryCount + 1] = attackRecord;
      list.clear(BestAttackPosition);
    }
    ++tryCount;
  }
  return tryCount;
}

// Moves the cells that reached the node's best verdict `threshold` with the total `bestSum` to
// the front of positions 1 to `count`; every other position of that range keeps its cell with
// both scores cleared. `moved(i, j)` is told of every cell moved from position j to position i.
template <typename MovedCell>
void gatherBestCells(CandidateList& list, ChildVerdicts& childVerdicts, int count,
                     Verdict threshold, std::int32_t bestSum, MovedCell moved) {
  for (int i = 1; i <= count; ++i) {
    if (childVerdicts[i] <= threshold && list[i].total() >= bestSum) continue;
    list[i].clearScores();
    for (int j = i + 1; j <= count; ++j) {
      if (childVerdicts[j] == threshold && list[j].total() == bestSum) {
        list[i] = list[j];
        moved(i, j);
        childVerdicts[i] = childVerdicts[j];
        list[j].clearScores();
        childVerdicts[j] = Won;
        break;
      }
    }
  }
}

// The gathering for a node that tries no cell: every reply verdict is Undecided and the total to
// reach is that of position 1. Positions 2 to 12 hold the scan's ranking in descending order of
// total, so the ones that reach it lead and no later position can refill one that falls short:
// the rest only lose their scores.
void keepRankedCellsReachingTheHead(CandidateList& list) {
  const std::int32_t headTotal = list[1].total();
  int position = 2;
  while (position <= settings::V && list[position].total() >= headTotal)
    ++position;
  for (; position <= settings::V; ++position)
    list[position].clearScores();
}

std::int32_t reducedBy(std::int32_t value, std::int32_t reduction) {
  const std::int32_t reduced = value - reduction;
  return reduced < 0 ? 0 : reduced;
}

LineCell cellOf(const Candidate& candidate) {
  return {static_cast<std::uint8_t>(candidate.x), static_cast<std::uint8_t>(candidate.y)};
}

// Every position's line as the cell alone, or none where the position carries no score.
void startListLines(const CandidateList& list, ListLines& lines) {
  for (int position = 1; position <= CandidateListSize; ++position) {
    if (list[position].total() != 0) {
      lines[position].setSingle(cellOf(list[position]));
    } else {
      lines[position].length = 0;
    }
  }
}

int cellAttackLevel(const SideScores& scores, int cell) {
  return std::bit_width(static_cast<std::uint32_t>(scores.attackWord[cell]) >>
                        SideScores::LevelFlagShift);
}

// The stone that wins a node decided from its scan. The head of the list holds the best attack;
// when that is a five or an open four it wins by itself, but a win found from the attack level
// rests on the double threat of a cell that need not be the best attack: then that cell, the
// best attack if it is one, else the first in scan order.
LineCell winningCell(const SideScores& scores, const CandidateList& list, AttackLevel attackLevel) {
  const Candidate& head = list[1];
  if (head.attack >= OpenFourAttack) return cellOf(head);
  if (cellAttackLevel(scores, cellIndex(head.x, head.y)) >= attackLevel) return cellOf(head);
  for (int cell = 0; cell < CellCount; ++cell) {
    if (cellAttackLevel(scores, cell) >= attackLevel) {
      return {static_cast<std::uint8_t>(cell % BoardSide),
              static_cast<std::uint8_t>(cell / BoardSide)};
    }
  }
  return cellOf(head);
}

// The lines a node keeps only when it is traced.
struct NoLines {};
template <bool Traced>
using LinesOf = std::conditional_t<Traced, ListLines, NoLines>;

template <bool Traced, typename Lines>
void searchNode(SearchContext<Lines>& context, CandidateList& list, std::uint8_t level,
                Verdict& verdict, Verdict cutoffVerdict, std::int32_t sumMargin,
                LinesOf<Traced>& lines) {
  ++context.nodes;
  ChildVerdicts childVerdicts;
  childVerdicts.fill(Undecided);
  // A node at the deepest level tries no cell, and its caller reads only the head of its list.
  const Ranked ranked =
      level > 1 && level >= context.searchDepth ? Ranked::HeadOnly : Ranked::Twelve;
  const AttackLevel attackLevel =
      ScanCandidates(context.position.scores().bySide(), level, ranked, list, context.recentCells);

  verdict = immediateVerdict(list, attackLevel, level == context.searchDepth);
  if constexpr (std::is_same_v<Lines, RuleLines>) {
    if (blackToMove(context, level)) {
      verdict = renjuBlackVerdict(context.position, list, verdict, level == context.searchDepth);
    }
  }
  if (verdict >= LikelyWon) {
    list[1] = list[BestAttackPosition];
  } else if (list[BestDefencePosition].defence >= FiveDefence) {
    list[1] = list[BestDefencePosition];
  }

  if (verdict != Undecided || level >= context.searchDepth) {
    keepRankedCellsReachingTheHead(list);
    if constexpr (Traced) {
      startListLines(list, lines);
      if (verdict >= LikelyWon && level > 1) {
        const SideScores& scores = context.position.scores().forSide(level % 2 == 1 ? 0 : 1);
        lines[1].setSingle(winningCell(scores, list, attackLevel));
      }
      // Black's only block was a cell black may not play: no move of black's ends the line.
      if (verdict == Lost) lines[1].length = 0;
    }
    return;
  }

  const int tryCount = playableCount(context, level, list, chooseCellsToTry(list));
  if constexpr (Traced) startListLines(list, lines);
  Verdict bestChildVerdict = Undecided;
  std::int32_t bestSum = list[1].total();

  // The root with a single cell (or none) has nothing to compare: it answers without a search.
  if (level != 1 || tryCount > 1) {
    bestChildVerdict = NoReplyYet;
    bestSum = 0;
    std::int32_t timeoutPenalty = 0;
    const CellState stone = (level % 2 == 1) ? CellState::Own : CellState::Opponent;
    // A reply at the deepest level reads only the scores of its own side to move, and tries no
    // cell that would need the others.
    const ScoredSides scoredSides =
        level + 1 >= context.searchDepth ? onlySide(level % 2 == 1 ? 1 : 0) : BothSides;
    CandidateList childList;
    [[maybe_unused]] LinesOf<Traced> childLines;
    TrialStoneSave save;

    for (int i = 1; i <= tryCount; ++i) {
      Candidate& tried = list[i];
      const int x = tried.x;
      const int y = tried.y;
      context.position.placeStone(x, y, stone, scoredSides, save);
      searchNode<Traced>(context, childList, static_cast<std::uint8_t>(level + 1), childVerdicts[i],
                         bestChildVerdict, tried.total() - bestSum, childLines);
      context.position.liftStone(x, y, save);
      if constexpr (Traced) lines[i].startWith(cellOf(tried), childLines[1]);

      const std::int32_t reduction = roundedQuotient(childList[1].attack, settings::K);
      tried.attack = reducedBy(tried.attack, reduction);

      const Verdict reply = childVerdicts[i];
      if (reply <= bestChildVerdict) {
        if (reply < bestChildVerdict || tried.total() > bestSum) {
          bestChildVerdict = reply;
          bestSum = tried.total();
        }
        // Cut-offs: the caller cannot take this node any more, or takes it only on a total that
        // its margin no longer covers.
        const Verdict wouldReport = static_cast<Verdict>(Won - bestChildVerdict);
        if (wouldReport > cutoffVerdict) break;
        if (wouldReport == cutoffVerdict) {
          const std::int32_t share = roundedQuotient(tried.attack, settings::K);
          if (sumMargin < share || (level >= 3 && sumMargin == share)) break;
        }
      }
      if (reply == LikelyWon && reduction > timeoutPenalty) timeoutPenalty = reduction;

      if (i < tryCount && context.timer.expired()) {
        // Out of time: the untried cells count as left to a likely win of the other side.
        const std::int32_t nextTotal = list[i + 1].total();
        if (bestChildVerdict > LikelyWon ||
            (bestChildVerdict == LikelyWon && nextTotal > bestSum)) {
          bestChildVerdict = LikelyWon;
          bestSum = nextTotal;
        }
        for (int j = i + 1; j <= tryCount; ++j) {
          childVerdicts[j] = LikelyWon;
          list[j].attack = reducedBy(list[j].attack, timeoutPenalty);
        }
        break;
      }
    }
  }

  const Verdict best = tryCount == 0 ? Undecided : bestChildVerdict;
  verdict = static_cast<Verdict>(Won - best);
  gatherBestCells(list, childVerdicts, tryCount, best, bestSum, [&](int to, int from) {
    if constexpr (Traced) lines[to] = lines[from];
  });
}

}  // namespace

template <typename Lines>
void SearchNode(SearchContext<Lines>& context, CandidateList& list, std::uint8_t level,
                Verdict& verdict, Verdict cutoffVerdict, std::int32_t sumMargin) {
  NoLines lines;
  searchNode<false>(context, list, level, verdict, cutoffVerdict, sumMargin, lines);
}

template <typename Lines>
void TracedSearchNode(SearchContext<Lines>& context, CandidateList& list, std::uint8_t level,
                      Verdict& verdict, Verdict cutoffVerdict, std::int32_t sumMargin,
                      ListLines& lines) {
  searchNode<true>(context, list, level, verdict, cutoffVerdict, sumMargin, lines);
}

template void SearchNode(SearchContext<FreestyleLines>&, CandidateList&, std::uint8_t, Verdict&,
                         Verdict, std::int32_t);
template void SearchNode(SearchContext<RuleLines>&, CandidateList&, std::uint8_t, Verdict&, Verdict,
                         std::int32_t);
template void TracedSearchNode(SearchContext<FreestyleLines>&, CandidateList&, std::uint8_t,
                               Verdict&, Verdict, std::int32_t, ListLines&);
template void TracedSearchNode(SearchContext<RuleLines>&, CandidateList&, std::uint8_t, Verdict&,
                               Verdict, std::int32_t, ListLines&);

}  // namespace orvane
