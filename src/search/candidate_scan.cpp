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
//
// The four parts are packed into one word so that a cell's four directions add up in three
// additions; each field is wide enough for the sum of four directions (attack at most 4 x 65000,
// defence at most 4 x 14500, each count at most 40), so no field carries into the next.
using PackedWorth = std::uint64_t;
constexpr int DefenceShift = 20;
constexpr int AttackCountShift = 40;
constexpr int DefenceCountShift = 48;
constexpr PackedWorth ScoreMask = (PackedWorth{1} << 20) - 1;
constexpr PackedWorth CountMask = 0xff;

constexpr int LargestMagnitude = PatternScoreCount - 1;
using WorthTable = std::array<PackedWorth, 2 * LargestMagnitude + 1>;

constexpr PackedWorth worthOfShape(int shape) {
  const PatternScore& score = PatternScoreTable[shape < 0 ? -shape : shape];
  const std::int32_t value = shape > 0 ? score.second : -std::int32_t{score.first};
  PackedWorth attackCount = 0;
  PackedWorth defenceCount = 0;
  if (value == 200) attackCount = 10;
  if (value >= 135 && value <= 150) attackCount = 1;
  if (value == -25) defenceCount = 10;
  if (value == -20 || value == -19) defenceCount = 1;
  const PackedWorth attack = value > 0 ? static_cast<PackedWorth>(value) : 0;
  const PackedWorth defence = value < 0 ? static_cast<PackedWorth>(-value) : 0;
  return attack | defence << DefenceShift | attackCount << AttackCountShift |
         defenceCount << DefenceCountShift;
}

// Indexed by the direction code plus LargestMagnitude: one table for the own side to move, one
// for the opponent to move (the same shapes with the sides swapped).
constexpr WorthTable buildWorths(int sideSign) {
  WorthTable worths{};
  for (int code = -LargestMagnitude; code <= LargestMagnitude; ++code) {
    worths[code + LargestMagnitude] = worthOfShape(sideSign * code);
  }
  return worths;
}

constexpr WorthTable OwnToMoveWorths = buildWorths(1);
constexpr WorthTable OpponentToMoveWorths = buildWorths(-1);

}  // namespace

AttackLevel ScanCandidates(const PatternMap& map, std::uint8_t level, CandidateList& list) {
  list = CandidateList{};
  AttackLevel attackLevel = 0;
  const PackedWorth* worthOf =
      (level % 2 == 1 ? OwnToMoveWorths.data() : OpponentToMoveWorths.data()) + LargestMagnitude;
  Candidate& bestDefence = list[BestDefencePosition];
  Candidate& bestAttack = list[BestAttackPosition];
  // The total a cell must exceed to enter the ranked positions (that of the last one).
  std::int32_t entryTotal = 0;

  for (int index = 0; index < CellCount; ++index) {
    const auto& code = map.cells[index].code;
    if (code[0] >= OccupiedMarker) continue;
    // A cell with no shape in any direction scores nothing and changes nothing.
    if ((code[0] | code[1] | code[2] | code[3]) == 0) continue;

    const PackedWorth sum =
        worthOf[code[0]] + worthOf[code[1]] + worthOf[code[2]] + worthOf[code[3]];
    std::int32_t attack = static_cast<std::int32_t>(sum & ScoreMask);
    std::int32_t defence = static_cast<std::int32_t>(sum >> DefenceShift & ScoreMask);
    const unsigned attackCount = static_cast<unsigned>(sum >> AttackCountShift & CountMask);
    const unsigned defenceCount = static_cast<unsigned>(sum >> DefenceCountShift & CountMask);

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
    if (total > entryTotal) {
      int position = settings::V;
      while (position > 1 && total > list[position - 1].total())
        --position;
      for (int from = settings::V - 1; from >= position; --from)
        list[from + 1] = list[from];
      list[position] = cell;
      entryTotal = list[settings::V].total();
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
