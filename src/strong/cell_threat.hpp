#pragma once

#include <array>
#include <cstdint>

#include "patterns/direction_steps.hpp"
#include "patterns/line_shape.hpp"
#include "strong/evaluation_weights.hpp"
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

  friend bool operator==(const CellSummary&, const CellSummary&) = default;
};

// The summary of a side's stone on a cell from the shapes it takes part in on the four lines.
// `blackInRenju`: the side is black under renju, whose forbidden moves need the full judgement.
// `weights`: the rule's values of the static evaluation.
constexpr CellSummary Summarise(const std::array<LineShape, DirectionCount>& shapes,
                                bool blackInRenju, const EvaluationWeights& weights) {
  int fives = 0;
  int fours = 0;
  int straightFours = 0;
  int threes = 0;
  bool minor = false;
  bool overline = false;
  int worth = 0;
  int mover = 0;
  int waiting = 0;
  for (LineShape shape : shapes) {
    mover += weights.moverShape[static_cast<int>(shape)];
    waiting += weights.waitingShape[static_cast<int>(shape)];
    fives += shape == LineShape::Five ? 1 : 0;
    fours += fourCount(shape);
    straightFours += shape == LineShape::StraightFour ? 1 : 0;
    threes += isThree(shape) ? 1 : 0;
    minor = minor || shape == LineShape::ClosedTwo || shape == LineShape::OpenTwo ||
            shape == LineShape::ClosedThree;
    overline = overline || shape == LineShape::Overline;
    worth += tuning::ShapeWorth[static_cast<int>(shape)];
  }
  CellSummary summary;
  if (fives > 0) {
    summary.threat = Threat::Five;
  } else if (straightFours > 0 || fours >= 2) {
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
  } else if (minor) {
    summary.threat = Threat::Minor;
  }
  summary.judgeForBlack = blackInRenju && fives == 0 && (overline || fours >= 2 || threes >= 2);
  summary.worth = static_cast<std::int16_t>(worth);
  summary.mover =
      static_cast<std::int16_t>(mover + weights.moverThreat[static_cast<int>(summary.threat)]);
  summary.waiting =
      static_cast<std::int16_t>(waiting + weights.waitingThreat[static_cast<int>(summary.threat)]);
  return summary;
}

}  // namespace orvane::strong
