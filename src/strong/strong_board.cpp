#include "strong/strong_board.hpp"

#include "strong/learnt_policy.hpp"
#include "strong/learnt_weights.hpp"
#include "strong/zobrist.hpp"

namespace orvane::strong {

namespace {

constexpr int stepOf(int direction) {
  return DirectionSteps.dx[direction] + BoardSide * DirectionSteps.dy[direction];
}

// How far along a line a stone changes the shapes of other cells.
constexpr int Reach = ViewReach;

}  // namespace

StrongBoard::StrongBoard(const Board& board, const RuleLines& codes)
    : codes_(codes),
      lines_(board),
      cells_(board.cells),
      weights_(&LearnedWeights[static_cast<int>(codes.rule())]),
      policy_(&LearnedPolicies[static_cast<int>(codes.rule())]),
      traits_(TraitsOf(*weights_, *policy_)) {
  if (codes.forbidsBlackMoves()) forbiddingSide_ = codes.black() == CellState::Own ? 0 : 1;
  hash_ = GameKey(static_cast<int>(codes.rule()), forbiddingSide_);
  for (int cell = 0; cell < CellCount; ++cell) {
    if (cells_[cell] == CellState::Own || cells_[cell] == CellState::Opponent) {
      hash_ ^= StoneKeys[cells_[cell] == CellState::Own ? 0 : 1][cell];
      ++stoneCount_;
    }
    shapes_[cell].fill({LineShape::None, LineShape::None});
    if (cells_[cell] != CellState::Empty) continue;
    for (int direction = 0; direction < DirectionCount; ++direction)
      refreshShapes(cell, direction);
    refreshSummaries(cell);
  }
}

void StrongBoard::refreshShapes(int cell, int direction) {
  shapes_[cell][direction] =
      codes_.shapes(lines_.word(cell, direction), LinePlaces[cell][direction].shift);
}

void StrongBoard::setSummary(int side, int cell, const CellSummary& summary) {
  CellSummary& kept = summaries_[side][cell];
  if (kept.threat != summary.threat) {
    threatCells_[side][static_cast<int>(kept.threat)].remove(cell);
    threatCells_[side][static_cast<int>(summary.threat)].add(cell);
  }
  moverSums_[side] += summary.mover - kept.mover;
  waitingSums_[side] += summary.waiting - kept.waiting;
  kept = summary;
}

void StrongBoard::refreshSummary(int side, int cell) {
  std::array<LineShape, DirectionCount> shapes{};
  for (int direction = 0; direction < DirectionCount; ++direction)
    shapes[direction] =
        side == 0 ? shapes_[cell][direction].own : shapes_[cell][direction].opponent;
  lineSums_[side][cell] = SumOf(shapes, traits_);
  setSummary(side, cell,
             Summarise(lineSums_[side][cell], forbiddingSide_ == side, *weights_, *policy_));
}

void StrongBoard::changeShape(int side, int cell, LineShape before, LineShape after) {
  ShapeTraits& sum = lineSums_[side][cell];
  ChangeShape(sum, traits_[static_cast<int>(before)], traits_[static_cast<int>(after)]);
  setSummary(side, cell, Summarise(sum, forbiddingSide_ == side, *weights_, *policy_));
}

void StrongBoard::refreshSummaries(int cell) {
  if (cells_[cell] != CellState::Empty) {
    // An occupied cell makes nothing for either side; it leaves the None set too.
    for (int side = 0; side < 2; ++side) {
      setSummary(side, cell, CellSummary{});
      threatCells_[side][static_cast<int>(Threat::None)].remove(cell);
    }
    return;
  }
  for (int side = 0; side < 2; ++side) {
    threatCells_[side][static_cast<int>(summaries_[side][cell].threat)].add(cell);
    refreshSummary(side, cell);
  }
}

void StrongBoard::refreshAround(int cell) {
  for (int direction = 0; direction < DirectionCount; ++direction) {
    const std::uint64_t word = lines_.word(cell, direction);
    const int shift = LinePlaces[cell][direction].shift;
    const int step = stepOf(direction);
    for (int t = -Reach; t <= Reach; ++t) {
      // Slots off the board read as blocked, so only empty cells on the board pass.
      if (t == 0 || stateAt(word, shift + 2 * t) != CellState::Empty) continue;
      const int neighbour = cell + t * step;
      // The neighbour lies on the same line, so the same word holds its view.
      const RuleLines::Shapes before = shapes_[neighbour][direction];
      const RuleLines::Shapes after = codes_.shapes(word, shift + 2 * t);
      shapes_[neighbour][direction] = after;
      // The neighbour is empty, so only the side whose shape changed needs its summary again.
      if (after.own != before.own) changeShape(0, neighbour, before.own, after.own);
      if (after.opponent != before.opponent)
        changeShape(1, neighbour, before.opponent, after.opponent);
    }
  }
}

void StrongBoard::play(int cell, Side side) {
  const CellState stone = stoneOf(side);
  cells_[cell] = stone;
  lines_.place(cell, stone);
  hash_ ^= StoneKeys[sideIndex(side)][cell];
  ++stoneCount_;
  shapes_[cell].fill({LineShape::None, LineShape::None});
  refreshSummaries(cell);
  refreshAround(cell);
}

void StrongBoard::undo(int cell) {
  hash_ ^= StoneKeys[cells_[cell] == CellState::Own ? 0 : 1][cell];
  --stoneCount_;
  cells_[cell] = CellState::Empty;
  lines_.lift(cell);
  for (int direction = 0; direction < DirectionCount; ++direction)
    refreshShapes(cell, direction);
  refreshSummaries(cell);
  refreshAround(cell);
}

}  // namespace orvane::strong
