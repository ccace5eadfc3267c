#include "search/cell_scores.hpp"

#include <bit>
#include <cstring>
#include <type_traits>

#include "patterns/freestyle_lines.hpp"
#include "patterns/pattern_score_table.hpp"
#include "patterns/rule_lines.hpp"
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
constexpr int LargestCount = LargestShapeCount;

constexpr int LargestMagnitude = PatternScoreCount - 1;

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

// Indexed by the direction code plus LargestMagnitude: the worth for the own side to move and
// for the opponent to move (the same shapes with the sides swapped), side by side so that both
// sums come from one vector addition.
struct alignas(16) WorthPair {
  PackedWorth ownToMove;
  PackedWorth opponentToMove;
};
using WorthTable = std::array<WorthPair, 2 * LargestMagnitude + 1>;

constexpr WorthTable buildWorths() {
  WorthTable worths{};
  for (int code = -LargestMagnitude; code <= LargestMagnitude; ++code)
    worths[code + LargestMagnitude] = {worthOfShape(code), worthOfShape(-code)};
  return worths;
}

constexpr WorthTable Worths = buildWorths();

using WorthLanes = PackedWorth __attribute__((vector_size(16)));

WorthLanes worthLanes(DirectionCode code) {
  WorthLanes lanes;
  std::memcpy(&lanes, &Worths[code + LargestMagnitude], sizeof lanes);
  return lanes;
}

// The bonus for the counted threes and fours of the side to move, with the attack level flag
// above it.
constexpr std::int32_t withLevel(std::int32_t bonus, int level) {
  return bonus | (1 << (level - 1)) << SideScores::LevelFlagShift;
}

constexpr AttackBonusTable buildAttackBonuses() {
  AttackBonusTable bonuses{};
  for (int count = 0; count <= LargestCount; ++count) {
    if (count >= 20) {
      bonuses[count] = withLevel(settings::ST1, 3);
    } else if (count >= 11) {
      bonuses[count] = withLevel(settings::ST1, 2);
    } else if (count >= 2 && count <= 9) {
      bonuses[count] = withLevel(settings::ST2, 1);
    }
  }
  return bonuses;
}

// The bonus for the counted threes and fours of the other side.
constexpr std::array<std::int32_t, LargestCount + 1> buildDefenceBonuses() {
  std::array<std::int32_t, LargestCount + 1> bonuses{};
  for (int count = 0; count <= LargestCount; ++count) {
    if (count >= 11) {
      bonuses[count] = settings::AST1;
    } else if (count >= 2 && count <= 9) {
      bonuses[count] = settings::AST2;
    }
  }
  return bonuses;
}

// Black in renju may not play two fours, nor two threes that are both real; a stone that makes
// two threes without being forbidden makes one three. Of black's double threats only a four with
// a three is left, and whether its three is real the search asks when it counts.
constexpr AttackBonusTable buildRenjuBlackAttackBonuses() {
  AttackBonusTable bonuses{};
  for (int count = 11; count < 20; ++count)
    bonuses[count] = withLevel(settings::ST1, 2);
  return bonuses;
}

constexpr AttackBonusTable AttackBonuses = buildAttackBonuses();
constexpr AttackBonusTable RenjuBlackAttackBonuses = buildRenjuBlackAttackBonuses();
constexpr std::array<std::int32_t, LargestCount + 1> DefenceBonuses = buildDefenceBonuses();

constexpr int OwnCellRecord = NeighbourRecords;

}  // namespace

template <typename Lines>
CellScores<Lines>::CellScores(const PatternMap& map, const Lines& lines) {
  if constexpr (std::is_same_v<Lines, RuleLines>) {
    const int blackSide = lines.black() == CellState::Own ? 0 : 1;
    for (int side = 0; side < 2; ++side) {
      attackBonuses_[side] = lines.forbidsBlackMoves() && side == blackSide
                                 ? &RenjuBlackAttackBonuses
                                 : &AttackBonuses;
    }
  }
  for (int index = 0; index < CellCount; ++index)
    score<0, 2>(index, map.cells[index]);
}

template <typename Lines>
const AttackBonusTable& CellScores<Lines>::attackBonuses(int side) const {
  if constexpr (std::is_same_v<Lines, FreestyleLines>) {
    return AttackBonuses;
  } else {
    return *attackBonuses_[side];
  }
}

template <typename Lines>
template <int First, int Last>
void CellScores<Lines>::score(int index, const CellCodes& codes) {
  const auto& code = codes.code;
  if (code[0] >= OccupiedMarker) {
    for (int side = First; side < Last; ++side) {
      sides_[side].attackWord[index] = 0;
      sides_[side].defence[index] = 0;
    }
    return;
  }
  const WorthLanes sums =
      worthLanes(code[0]) + worthLanes(code[1]) + worthLanes(code[2]) + worthLanes(code[3]);
  for (int side = First; side < Last; ++side) {
    const PackedWorth sum = sums[side];
    sides_[side].attackWord[index] = static_cast<std::int32_t>(sum & ScoreMask) +
                                     attackBonuses(side)[sum >> AttackCountShift & CountMask];
    sides_[side].defence[index] = static_cast<std::int32_t>(sum >> DefenceShift & ScoreMask) +
                                  DefenceBonuses[sum >> DefenceCountShift & CountMask];
  }
}

template <typename Lines>
template <int First, int Last>
void CellScores<Lines>::placeStoneFor(int index, RecordMask changed, const PatternMap& map,
                                      ScoreSave& save) {
  auto keep = [this](int cell, ScoreSave::Cell& saved) {
    for (int side = First; side < Last; ++side) {
      saved.attackWord[side] = sides_[side].attackWord[cell];
      saved.defence[side] = sides_[side].defence[cell];
    }
  };
  keep(index, save.records[OwnCellRecord]);
  score<First, Last>(index, map.cells[index]);
  for (RecordMask records = changed; records != 0; records &= records - 1) {
    const int record = std::countr_zero(records);
    const int neighbour = index + RecordSteps[record];
    keep(neighbour, save.records[record]);
    score<First, Last>(neighbour, map.cells[neighbour]);
  }
}

template <typename Lines>
template <int First, int Last>
void CellScores<Lines>::liftStoneFor(int index, const ScoreSave& save) {
  auto putBack = [this](int cell, const ScoreSave::Cell& saved) {
    for (int side = First; side < Last; ++side) {
      sides_[side].attackWord[cell] = saved.attackWord[side];
      sides_[side].defence[cell] = saved.defence[side];
    }
  };
  putBack(index, save.records[OwnCellRecord]);
  for (RecordMask records = save.changed; records != 0; records &= records - 1) {
    const int record = std::countr_zero(records);
    putBack(index + RecordSteps[record], save.records[record]);
  }
}

template <typename Lines>
void CellScores<Lines>::placeStone(int index, RecordMask changed, const PatternMap& map,
                                   ScoredSides sides, ScoreSave& save) {
  save.changed = changed;
  save.sides = sides;
  if (sides.last - sides.first == 2) {
    placeStoneFor<0, 2>(index, changed, map, save);
  } else if (sides.first == 0) {
    placeStoneFor<0, 1>(index, changed, map, save);
  } else {
    placeStoneFor<1, 2>(index, changed, map, save);
  }
}

template <typename Lines>
void CellScores<Lines>::liftStone(int index, const ScoreSave& save) {
  if (save.sides.last - save.sides.first == 2) {
    liftStoneFor<0, 2>(index, save);
  } else if (save.sides.first == 0) {
    liftStoneFor<0, 1>(index, save);
  } else {
    liftStoneFor<1, 2>(index, save);
  }
}

template class CellScores<FreestyleLines>;
template class CellScores<RuleLines>;

}  // namespace orvane
