#include "strong/threat_cells.hpp"

namespace orvane::strong {

namespace {

constexpr int stepOf(int direction) {
  return DirectionSteps.dx[direction] + BoardSide * DirectionSteps.dy[direction];
}

bool isFourShape(LineShape shape) {
  return shape == LineShape::Four || shape == LineShape::StraightFour ||
         shape == LineShape::DoubleFour || shape == LineShape::Five;
}

bool isThreeOrMore(LineShape shape) {
  return isThree(shape) || isFourShape(shape);
}

// Calls visit(cell) for every cell of `threat` that `side` may play.
template <typename Visit>
void forPlayable(StrongBoard& board, Side side, Threat threat, Visit visit) {
  board.cellsWith(side, threat).forEach([&](int cell) {
    if (!board.isForbidden(side, cell)) visit(cell);
  });
}

// Adds `cell` and the empty cells within reach on its line in `direction` that `keep` accepts.
template <typename Keep>
void addLineCells(const StrongBoard& board, int cell, int direction, MoveList& moves, Keep keep) {
  const int step = stepOf(direction);
  const int x = cell % BoardSide;
  const int y = cell / BoardSide;
  moves.add(cell);
  for (int sign = -1; sign <= 1; sign += 2) {
    for (int t = 1; t <= ViewReach; ++t) {
      const int nx = x + sign * t * DirectionSteps.dx[direction];
      const int ny = y + sign * t * DirectionSteps.dy[direction];
      if (!isOnBoard(nx, ny)) break;
      const int neighbour = cell + sign * t * step;
      const CellState state = board.at(neighbour);
      if (state == CellState::Blocked) break;
      if (state == CellState::Empty && keep(neighbour)) moves.add(neighbour);
    }
  }
}

}  // namespace

int FiveCell(const StrongBoard& board, Side side) {
  return board.cellsWith(side, Threat::Five).first();
}

int WinningFourCell(StrongBoard& board, Side side) {
  int found = -1;
  board.cellsWith(side, Threat::WinningFour).forEach([&](int cell) {
    if (found < 0 && !board.isForbidden(side, cell)) found = cell;
  });
  return found;
}

void AddFourCells(StrongBoard& board, Side side, MoveList& moves) {
  for (Threat threat : {Threat::FourThree, Threat::Four})
    forPlayable(board, side, threat, [&](int cell) { moves.add(cell); });
}

void AddThreeCells(StrongBoard& board, Side side, MoveList& moves) {
  for (Threat threat : {Threat::DoubleThree, Threat::Three})
    forPlayable(board, side, threat, [&](int cell) { moves.add(cell); });
}

Menace MenaceOf(StrongBoard& board, Side attacker) {
  if (WinningFourCell(board, attacker) >= 0) return Menace::WinningFour;
  bool fourThree = false;
  forPlayable(board, attacker, Threat::FourThree, [&](int) { fourThree = true; });
  if (fourThree) return Menace::FourThree;
  bool doubleThree = false;
  forPlayable(board, attacker, Threat::DoubleThree, [&](int) { doubleThree = true; });
  return doubleThree ? Menace::DoubleThree : Menace::None;
}

void AddDefenceCells(StrongBoard& board, Side attacker, Menace menace, MoveList& moves) {
  if (menace == Menace::None) return;
  const Threat threat = menace == Menace::WinningFour ? Threat::WinningFour
                        : menace == Menace::FourThree ? Threat::FourThree
                                                      : Threat::DoubleThree;
  forPlayable(board, attacker, threat, [&](int cell) {
    for (int direction = 0; direction < DirectionCount; ++direction) {
      const LineShape shape = board.shape(attacker, cell, direction);
      if (menace == Menace::WinningFour) {
        if (!isFourShape(shape)) continue;
        addLineCells(board, cell, direction, moves, [&](int neighbour) {
          return isFourShape(board.shape(attacker, neighbour, direction));
        });
      } else if (isThreeOrMore(shape)) {
        addLineCells(board, cell, direction, moves, [](int) { return true; });
      }
    }
  });
}

}  // namespace orvane::strong
