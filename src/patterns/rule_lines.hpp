#pragma once

#include <array>
#include <cstdint>

#include "patterns/board.hpp"
#include "patterns/game_rule.hpp"
#include "patterns/line_shape.hpp"
#include "patterns/pattern_map.hpp"

namespace orvane {

// The two halves of a cell's line as each side sees it, by the ten bits of the five cells on
// that half in a line word.
struct HalfIds {
  std::uint8_t own;
  std::uint8_t opponent;
};
inline constexpr int HalfBits = 2 * ViewReach;
using HalfIdTable = std::array<HalfIds, 1 << HalfBits>;

// Line codes of the five-in-a-row variants: whatever rule is in force, a direction code names
// the shape that the pattern score table gives the same worth as in freestyle (a five, a four,
// a three, ...), so the scoring and the search read them alike. A code is worked out from the
// two sides' shapes on the line, each under its own rule, and the stronger of the two is kept:
// the own side's by what making it is worth, the opponent's by what blocking it is worth.
class RuleLines {
 public:
  // `ownIsBlack` says which side black's rule applies to in renju; other rules ignore it.
  RuleLines(GameRule rule, bool ownIsBlack);

  // The shapes that a stone of either side on an empty cell takes part in, for the cell whose
  // two-bit slot starts at bit `shift` of a line word holding five slots on either side of it.
  struct Shapes {
    LineShape own;
    LineShape opponent;
  };
  Shapes shapes(std::uint64_t word, int shift) const {
    const HalfIds before = (*beforeIds_)[word >> (shift - HalfBits) & ((1 << HalfBits) - 1)];
    const HalfIds after = (*afterIds_)[word >> (shift + 2) & ((1 << HalfBits) - 1)];
    return {(*ownShapes_)[viewIndex(before.own, after.own)],
            (*opponentShapes_)[viewIndex(before.opponent, after.opponent)]};
  }

  // The direction code of that cell.
  DirectionCode code(std::uint64_t word, int shift) const {
    const Shapes both = shapes(word, shift);
    return (*codes_)[static_cast<int>(both.own)][static_cast<int>(both.opponent)];
  }
  void reevaluate(CellCodes& entry, int direction, std::uint64_t word, int shift) const {
    entry.code[direction] = code(word, shift);
  }

  // Renju: black may not play an overline, a double four or a double three.
  bool forbidsBlackMoves() const { return rule_ == GameRule::Renju; }
  CellState black() const { return black_; }
  // Black's shape on the line of an empty cell, or of a black stone there, by the same word.
  LineShape blackShape(std::uint64_t word, int shift) const;

  GameRule rule() const { return rule_; }

 private:
  using CodeTable = std::array<std::array<std::int16_t, LineShapeCount>, LineShapeCount>;

  GameRule rule_;
  CellState black_;
  const HalfIdTable* beforeIds_;
  const HalfIdTable* afterIds_;
  const HalfShapes* ownShapes_;
  const HalfShapes* opponentShapes_;
  const CodeTable* codes_;
};

}  // namespace orvane
