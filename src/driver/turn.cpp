#include "driver/turn.hpp"

#include <algorithm>

#include "patterns/cell_evaluation.hpp"
#include "search/search_node.hpp"

namespace orvane {

namespace {

std::uint16_t countStones(const Board& board) {
  return static_cast<std::uint16_t>(
      std::count_if(board.cells.begin(), board.cells.end(),
                    [](CellState cell) { return cell != CellState::Empty; }));
}

// The line behind the drawn position when it gave the move; a move from the centre fallback has no
// line of the search behind it.
ThreatLine lineOfMove(Move move, const ThreatLine& drawnLine) {
  const LineCell cell{move.x, move.y};
  ThreatLine line;
  if (drawnLine.length > 0 && drawnLine.cells[0] == cell) {
    line = drawnLine;
  } else {
    line.setSingle(cell);
  }
  return line;
}

}  // namespace

TurnOutcome PlayTurn(Position& position, const TurnRequest& request, RandomGenerator& random,
                     const Clock& clock) {
  TurnOutcome outcome;
  const std::uint16_t stoneCount = countStones(position.board);
  if (stoneCount == CellCount) return outcome;

  outcome.budget = ComputeBudget(request.turnSeconds, request.matchTimeLeft, stoneCount);
  if (stoneCount == 0) {
    outcome.move = OpeningMove(random);
    return outcome;
  }

  position.map = PatternMap{};
  InitialisePatternMap(position.map, position.board);
  const TurnTimer timer(clock, request.startTime, outcome.budget.turnLimit);
  SearchContext context{position, outcome.budget.searchDepth, timer};
  if (request.traceLine) {
    ListLines rootLines;
    TracedSearchNode(context, outcome.rootList, 1, outcome.rootVerdict, NoReplyYet, 1000000,
                     rootLines);
    const int drawn = DrawRootPosition(outcome.rootList, random);
    outcome.move = MoveAtPosition(outcome.rootList, drawn, position.board);
    if (outcome.move) outcome.line = lineOfMove(*outcome.move, rootLines[drawn]);
  } else {
    SearchNode(context, outcome.rootList, 1, outcome.rootVerdict, NoReplyYet, 1000000);
    outcome.move = ChooseRootMove(outcome.rootList, position.board, random);
  }
  outcome.searched = true;
  outcome.nodes = context.nodes;
  return outcome;
}

}  // namespace orvane
