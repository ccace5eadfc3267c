#pragma once

#include <array>
#include <cstdint>

#include "patterns/freestyle_lines.hpp"
#include "patterns/neighbourhood.hpp"
#include "patterns/pattern_map.hpp"

namespace orvane {

// What a stone on every cell is worth to one side to move: the sums of its four direction codes
// with the bonuses for double threats. The word of a cell's attack also carries the cell's attack
// level as a flag above the attack itself (bit L - 1 of the flag for level L, none for level 0),
// so that one pass over the words yields both. Occupied cells and cells without any shape hold
// zeros.
struct SideScores {
  static constexpr int LevelFlagShift = 24;
  static constexpr std::int32_t AttackMask = (1 << LevelFlagShift) - 1;

  alignas(16) std::array<std::int32_t, CellCount> attackWord;
  alignas(16) std::array<std::int32_t, CellCount> defence;

  std::int32_t attack(int cell) const { return attackWord[cell] & AttackMask; }

  friend bool operator==(const SideScores&, const SideScores&) = default;
};

// The sides to move whose scores a trial stone keeps up to date, from `first` to `last` - 1: both,
// or only the side to move below the stone when no node below that one reads scores.
struct ScoredSides {
  int first;
  int last;
};
inline constexpr ScoredSides BothSides{0, 2};
constexpr ScoredSides onlySide(int side) {
  return {side, side + 1};
}

// What one trial stone changed in the scores, to be put back when it is lifted: the stone's own
// cell (record 32) and the neighbour records whose codes changed, for the scored sides.
struct ScoreSave {
  struct Cell {
    std::array<std::int32_t, 2> attackWord;
    std::array<std::int32_t, 2> defence;
  };
  std::array<Cell, NeighbourRecords + 1> records;
  RecordMask changed;
  ScoredSides sides;
};

// The bonuses of the side to move by its count of threes (1 each) and fours (10 each), with the
// attack level flag above them.
inline constexpr int LargestShapeCount = 4 * 10;
using AttackBonusTable = std::array<std::int32_t, LargestShapeCount + 1>;

// The scores of every cell for both sides to move, kept in step with the pattern map, so that a
// node ranks its cells without reading a single direction code. `Lines` are the line codes of
// the rule (FreestyleLines or RuleLines); in renju black's double threats score apart, since
// black may not play a double four or a double three.
template <typename Lines = FreestyleLines>
class CellScores {
 public:
  explicit CellScores(const PatternMap& map, const Lines& lines = Lines{});

  // Side 0 is the own side to move (odd levels), side 1 the opponent (even levels).
  const SideScores& forSide(int side) const { return sides_[side]; }
  const std::array<SideScores, 2>& bySide() const { return sides_; }

  // After the update for a stone on `index`, which changed the codes of the `changed` records.
  // The scores of the other sides are left as they were until the stone is lifted.
  void placeStone(int index, RecordMask changed, const PatternMap& map, ScoredSides sides,
                  ScoreSave& save);
  void liftStone(int index, const ScoreSave& save);

  friend bool operator==(const CellScores&, const CellScores&) = default;

 private:
  // Sides First to Last - 1 only: fixed ranges let the compiler unroll the loops over sides.
  template <int First, int Last>
  void score(int index, const CellCodes& codes);
  template <int First, int Last>
  void placeStoneFor(int index, RecordMask changed, const PatternMap& map, ScoreSave& save);
  template <int First, int Last>
  void liftStoneFor(int index, const ScoreSave& save);
  const AttackBonusTable& attackBonuses(int side) const;

  std::array<SideScores, 2> sides_;
  // By side to move; freestyle has one table for both and leaves these unset.
  std::array<const AttackBonusTable*, 2> attackBonuses_{};
};

}  // namespace orvane
