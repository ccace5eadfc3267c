#include "patterns/rule_lines.hpp"

#include "patterns/pattern_score_table.hpp"

namespace orvane {

namespace {

// A cell of a line word as one side sees it.
constexpr ViewCell viewOf(CellState state, CellState mine) {
  if (state == CellState::Empty) return ViewCell::Empty;
  if (state == CellState::Blocked) return ViewCell::Edge;
  return state == mine ? ViewCell::Mine : ViewCell::Theirs;
}

// `before`: the half whose cell next to the evaluated one is in the highest two bits; otherwise
// the lowest.
constexpr HalfIdTable buildHalfIds(bool before, bool caro) {
  HalfIdTable table{};
  for (unsigned bits = 0; bits < table.size(); ++bits) {
    HalfCells own{};
    HalfCells opponent{};
    for (int k = 0; k < ViewReach; ++k) {
      const int slot = before ? ViewReach - 1 - k : k;
      const auto state = static_cast<CellState>(bits >> (2 * slot) & 3);
      own[k] = viewOf(state, CellState::Own);
      opponent[k] = viewOf(state, CellState::Opponent);
    }
    table[bits] = {static_cast<std::uint8_t>(halfId(own, caro)),
                   static_cast<std::uint8_t>(halfId(opponent, caro))};
  }
  return table;
}

constinit const HalfIdTable BeforeIds = buildHalfIds(true, false);
constinit const HalfIdTable AfterIds = buildHalfIds(false, false);
constinit const HalfIdTable CaroBeforeIds = buildHalfIds(true, true);
constinit const HalfIdTable CaroAfterIds = buildHalfIds(false, true);

constinit const HalfShapes FiveOrMoreShapes = BuildHalfShapes({false, false});
constinit const HalfShapes ExactFiveShapes = BuildHalfShapes({true, false});
constinit const HalfShapes CaroShapes = BuildHalfShapes({false, true});
constinit const HalfShapes CaroExactFiveShapes = BuildHalfShapes({true, true});

// The pattern score table's entry for each shape: a window of freestyle that is worth the same.
// Black in renju cannot play a double four or an overline, so they are worth nothing to it.
using ShapeIndices = std::array<std::int16_t, LineShapeCount>;
constexpr ShapeIndices ScoreIndices{0, 24, 108, 28, 60, 54, 124, 30, 62, 189, 31, 0};
constexpr ShapeIndices RenjuBlackScoreIndices{0, 24, 108, 28, 60, 54, 124, 30, 62, 0, 31, 0};

using CodeTable = std::array<std::array<std::int16_t, LineShapeCount>, LineShapeCount>;

// The own shape by what making it is worth, against the opponent's by what blocking it is worth;
// on equal worth the own shape.
constexpr CodeTable buildCodes(const ShapeIndices& own, const ShapeIndices& opponent) {
  CodeTable codes{};
  for (int ownShape = 0; ownShape < LineShapeCount; ++ownShape) {
    for (int opponentShape = 0; opponentShape < LineShapeCount; ++opponentShape) {
      const std::int16_t ownIndex = own[ownShape];
      const std::int16_t opponentIndex = opponent[opponentShape];
      const std::uint16_t ownWorth = PatternScoreTable[ownIndex].second;
      const std::uint16_t opponentWorth = PatternScoreTable[opponentIndex].first;
      std::int16_t code = 0;
      if (ownWorth > 0 && ownWorth >= opponentWorth) {
        code = ownIndex;
      } else if (opponentWorth > 0) {
        code = static_cast<std::int16_t>(-opponentIndex);
      }
      codes[ownShape][opponentShape] = code;
    }
  }
  return codes;
}

constexpr CodeTable Codes = buildCodes(ScoreIndices, ScoreIndices);
constexpr CodeTable RenjuOwnBlackCodes = buildCodes(RenjuBlackScoreIndices, ScoreIndices);
constexpr CodeTable RenjuOwnWhiteCodes = buildCodes(ScoreIndices, RenjuBlackScoreIndices);

}  // namespace

RuleLines::RuleLines(GameRule rule, bool ownIsBlack)
    : rule_(rule),
      black_(ownIsBlack ? CellState::Own : CellState::Opponent),
      beforeIds_(&BeforeIds),
      afterIds_(&AfterIds),
      ownShapes_(&ExactFiveShapes),
      opponentShapes_(&ExactFiveShapes),
      codes_(&Codes) {
  switch (rule) {
    case GameRule::Freestyle:
      ownShapes_ = &FiveOrMoreShapes;
      opponentShapes_ = &FiveOrMoreShapes;
      break;
    case GameRule::ExactFive:
      break;
    case GameRule::Renju:
      (ownIsBlack ? opponentShapes_ : ownShapes_) = &FiveOrMoreShapes;
      codes_ = ownIsBlack ? &RenjuOwnBlackCodes : &RenjuOwnWhiteCodes;
      break;
    case GameRule::Caro:
    case GameRule::CaroExactFive:
      beforeIds_ = &CaroBeforeIds;
      afterIds_ = &CaroAfterIds;
      ownShapes_ = rule == GameRule::Caro ? &CaroShapes : &CaroExactFiveShapes;
      opponentShapes_ = ownShapes_;
      break;
  }
}

LineShape RuleLines::blackShape(std::uint64_t word, int shift) const {
  const HalfIds before = BeforeIds[word >> (shift - HalfBits) & ((1 << HalfBits) - 1)];
  const HalfIds after = AfterIds[word >> (shift + 2) & ((1 << HalfBits) - 1)];
  if (black_ == CellState::Own) return ExactFiveShapes[viewIndex(before.own, after.own)];
  return ExactFiveShapes[viewIndex(before.opponent, after.opponent)];
}

}  // namespace orvane
