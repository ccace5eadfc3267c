#pragma once

#include <array>
#include <cstdint>

#include "patterns/direction_steps.hpp"
#include "patterns/line_shape.hpp"
#include "strong/evaluation_weights.hpp"
#include "strong/policy_weights.hpp"
#include "strong/search_parameters.hpp"

namespace orvane::strong {

// What one side's stone on an empty cell makes, by the strongest of its four lines together:
// from a five down to a cell that only lengthens a two or a closed three (Minor).
enum class Threat : std::uint8_t {
  None,
  Minor,
  Three,
  DoubleThree,
  Four,
  FourThree,
  WinningFour,  // a straight four, or two fours: the next stone makes five whatever the reply
  Five,
};
inline constexpr int ThreatCount = 8;

constexpr bool makesFour(Threat threat) {
  return threat >= Threat::Four;
}
constexpr bool makesThree(Threat threat) {
  return threat == Threat::Three || threat == Threat::DoubleThree;
}

// A cell as one side sees it: its threat, what it is worth to the side's move order, what it
// adds to the side's static value when the side is to move (mover) and when the other is
// (waiting), and for black in renju whether the stone may be forbidden (an overline, two fours
// or two threes without a five), which only the full judgement tells.
struct CellSummary {
  Threat threat = Threat::None;
  bool judgeForBlack = false;
  std::int16_t worth = 0;
  std::int16_t mover = 0;
  std::int16_t waiting = 0;
  // What the cell brings to the move order of the side to move: as its own move (attack) and as
  // the other side's cell that it takes away (defence).
  std::int16_t attack = 0;
  std::int16_t defence = 0;

  friend bool operator==(const CellSummary&, const CellSummary&) = default;
};

// What one line's shape brings to the summary of a cell, under one rule's values: its counts of
// fives, fours, straight fours, threes, minor shapes and overlines, four bits each so that the
// four lines' counts add up in one sum (no count passes 8), and its worth and values.
struct ShapeTraits {
  std::uint32_t counts = 0;
  std::int32_t worth = 0;
  std::int32_t mover = 0;
  std::int32_t waiting = 0;
  std::int32_t attack = 0;
  std::int32_t defence = 0;
};
using ShapeTraitsTable = std::array<ShapeTraits, LineShapeCount>;

enum ShapeCount : int { Fives, Fours, StraightFours, Threes, Minors, Overlines };

constexpr int countOf(std::uint32_t counts, ShapeCount count) {
  return static_cast<int>((counts >> (4 * count)) & 15);
}

constexpr ShapeTraitsTable TraitsOf(const EvaluationWeights& weights, const PolicyWeights& policy) {
  ShapeTraitsTable table{};
  for (int index = 0; index < LineShapeCount; ++index) {
    const auto shape = static_cast<LineShape>(index);
    const bool minor = shape == LineShape::ClosedTwo || shape == LineShape::OpenTwo ||
                       shape == LineShape::ClosedThree;
    const int counts[] = {shape == LineShape::Five,
                          fourCount(shape),
                          shape == LineShape::StraightFour,
                          isThree(shape),
                          minor,
                          shape == LineShape::Overline};
    ShapeTraits& traits = table[index];
    for (int count = Fives; count <= Overlines; ++count)
      traits.counts |= static_cast<std::uint32_t>(counts[count]) << (4 * count);
    traits.worth = tuning::ShapeWorth[index];
    traits.mover = weights.moverShape[index];
    traits.waiting = weights.waitingShape[index];
    traits.attack = policy.attackShape[index];
    traits.defence = policy.defenceShape[index];
  }
  return table;
}

// What the shapes of a cell's four lines add up to.
constexpr ShapeTraits SumOf(const std::array<LineShape, DirectionCount>& shapes,
                            const ShapeTraitsTable& traits) {
  ShapeTraits sum;
  for (LineShape shape : shapes) {
    const ShapeTraits& line = traits[static_cast<int>(shape)];
    sum.counts += line.counts;
    sum.worth += line.worth;
    sum.mover += line.mover;
    sum.waiting += line.waiting;
    sum.attack += line.attack;
    sum.defence += line.defence;
  }
  return sum;
}

// `sum` with one line's shape changed from `before` to `after` (the packed counts stay exact:
// no count of the result leaves its four bits).
constexpr void ChangeShape(ShapeTraits& sum, const ShapeTraits& before, const ShapeTraits& after) {
  sum.counts += after.counts - before.counts;
  sum.worth += after.worth - before.worth;
  sum.mover += after.mover - before.mover;
  sum.waiting += after.waiting - before.waiting;
  sum.attack += after.attack - before.attack;
  sum.defence += after.defence - before.defence;
}

// The summary of a side's stone on a cell from what the shapes of its four lines add up to.
// `blackInRenju`: the side is black under renju, whose forbidden moves need the full judgement.
// `weights` and `policy`: the rule's values of the static evaluation and of the move order.
constexpr CellSummary Summarise(const ShapeTraits& lines, bool blackInRenju,
                                const EvaluationWeights& weights, const PolicyWeights& policy) {
  const std::uint32_t counts = lines.counts;
  int worth = lines.worth;
  const int fours = countOf(counts, Fours);
  const int threes = countOf(counts, Threes);
  CellSummary summary;
  if (countOf(counts, Fives) > 0) {
    summary.threat = Threat::Five;
  } else if (countOf(counts, StraightFours) > 0 || fours >= 2) {
    summary.threat = Threat::WinningFour;
  } else if (fours == 1 && threes >= 1) {
    summary.threat = Threat::FourThree;
    worth += tuning::FourThreeBonus;
  } else if (fours == 1) {
    summary.threat = Threat::Four;
  } else if (threes >= 2) {
    summary.threat = Threat::DoubleThree;
    worth += tuning::DoubleThreeBonus;
  } else if (threes == 1) {
    summary.threat = Threat::Three;
  } else if (countOf(counts, Minors) > 0) {
    summary.threat = Threat::Minor;
  }
  summary.judgeForBlack = blackInRenju && countOf(counts, Fives) == 0 &&
                          (countOf(counts, Overlines) > 0 || fours >= 2 || threes >= 2);
  summary.worth = static_cast<std::int16_t>(worth);
  summary.mover = static_cast<std::int16_t>(lines.mover +
                                            weights.moverThreat[static_cast<int>(summary.threat)]);
  summary.waiting = static_cast<std::int16_t>(
      lines.waiting + weights.waitingThreat[static_cast<int>(summary.threat)]);
  summary.attack = static_cast<std::int16_t>(lines.attack +
                                             policy.attackThreat[static_cast<int>(summary.threat)]);
  summary.defence = static_cast<std::int16_t>(
      lines.defence + policy.defenceThreat[static_cast<int>(summary.threat)]);
  return summary;
}

}  // namespace orvane::strong
