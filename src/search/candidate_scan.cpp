#include "search/candidate_scan.hpp"

#include <algorithm>
#include <array>

#include "patterns/pattern_score_table.hpp"
#include "search/search_settings.hpp"

namespace orvane {

namespace {

// What one direction code adds to a cell's scores, for a code already turned to the side to move
// (positive: a shape of the side to move, negative: one of the other side). Every four other than
// the open four counts 10, every open or split three counts 1, on the side that owns it.
struct ShapeWorth {
  std::int32_t attack = 0;
  std::int32_t defence = 0;
  std::uint8_t attackCount = 0;
  std::uint8_t defenceCount = 0;
};

constexpr int LargestMagnitude = PatternScoreCount - 1;

constexpr std::array<ShapeWorth, 2 * LargestMagnitude + 1> buildShapeWorths() {
  std::array<ShapeWorth, 2 * LargestMagnitude + 1> worths{};
  for (int shape = -LargestMagnitude; shape <= LargestMagnitude; ++shape) {
    const PatternScore& score = PatternScoreTable[shape < 0 ? -shape : shape];
    const std::int32_t value = shape > 0 ? score.second : -std::int32_t{score.first};
    ShapeWorth& worth = worths[shape + LargestMagnitude];
    if (value == 200) worth.attackCount = 10;
    if (value >= 135 && value <= 150) worth.attackCount = 1;
    if (value == -25) worth.defenceCount = 10;
    if (value == -20 || value == -19) worth.defenceCount = 1;
    if (value < 0) {
      worth.defence = -value;
    } else {
      worth.attack = value;
    }
  }
  return worths;
}

constexpr auto ShapeWorths = buildShapeWorths();

}  // namespace

AttackLevel ScanCandidates(const PatternMap& map, std::uint8_t level, CandidateList& list) {
  list = CandidateList{};
  AttackLevel attackLevel = 0;
  const int sideSign = (level % 2 == 1) ? 1 : -1;
  const ShapeWorth* worthOf = ShapeWorths.data() + LargestMagnitude;
  Candidate& bestDefence = list[BestDefencePosition];
  Candidate& bestAttack = list[BestAttackPosition];

  for (int index = 0; index < CellCount; ++index) {
    const CellCodes& codes = map.cells[index];
    if (codes.isOccupied()) continue;

    std::int32_t attack = 0;
    std::int32_t defence = 0;
    unsigned attackCount = 0;
    unsigned defenceCount = 0;
    for (DirectionCode code : codes.code) {
      const ShapeWorth& worth = worthOf[sideSign * code];
      attack += worth.attack;
      defence += worth.defence;
      attackCount += worth.attackCount;
      defenceCount += worth.defenceCount;
    }

    if (attackCount >= 11) {
      attack += settings::ST1;
      attackLevel = attackCount >= 20 ? AttackLevel{3} : std::max(attackLevel, AttackLevel{2});
    } else if (attackCount >= 2 && attackCount <= 9) {
      attack += settings::ST2;
      attackLevel = std::max(attackLevel, AttackLevel{1});
    }
    if (defenceCount >= 11) {
      defence += settings::AST1;
    } else if (defenceCount >= 2 && defenceCount <= 9) {
      defence += settings::AST2;
    }

    const Candidate cell{index % BoardSide, index / BoardSide, attack, defence};
    const std::int32_t total = attack + defence;
    int position = settings::V + 1;
    while (position > 1 && total > list[position - 1].total())
      --position;
    if (position <= settings::V) {
      for (int from = settings::V - 1; from >= position; --from)
        list[from + 1] = list[from];
      list[position] = cell;
    }

    if (attack > bestAttack.attack ||
        (attack == bestAttack.attack && defence > bestAttack.defence)) {
      bestAttack = cell;
    }
    if (defence > bestDefence.defence ||
        (defence == bestDefence.defence && attack > bestDefence.attack)) {
      bestDefence = cell;
    }
  }
  return attackLevel;
}

}  // namespace orvane
