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
  SearchNode(context, outcome.rootList, 1, outcome.rootVerdict, NoReplyYet, 1000000);

  outcome.searched = true;
  outcome.nodes = context.nodes;
  outcome.move = ChooseRootMove(outcome.rootList, position.board, random);
  return outcome;
}

}  // namespace orvane
