#include "strong/strong_turn.hpp"

#include <algorithm>

#include "patterns/rule_lines.hpp"

namespace orvane::strong {

namespace {

constexpr std::uint64_t NodesPerMillisecondCeiling = 3000;

}  // namespace

StrongOutcome PlayStrongTurn(StrongSearch& search, const Board& board, const StrongRequest& request,
                             const TurnClock& turnClock, IterationListener* listener) {
  StrongOutcome outcome;
  const auto stones = std::count_if(board.cells.begin(), board.cells.end(), [](CellState cell) {
    return cell == CellState::Own || cell == CellState::Opponent;
  });
  const auto empty = std::count(board.cells.begin(), board.cells.end(), CellState::Empty);
  if (empty == 0) return outcome;
  if (stones == 0 &&
      board.at(request.area.width / 2, request.area.height / 2) == CellState::Empty) {
    outcome.move = Move{static_cast<std::uint8_t>(request.area.width / 2),
                        static_cast<std::uint8_t>(request.area.height / 2)};
    return outcome;
  }
  SearchLimits limits;
  limits.budget = PlanTurn(request.times, static_cast<int>(empty));
  limits.maxDepth = request.maxDepth;
  limits.maxNodes = request.maxNodes;
  // A clock that stands still never ends a timed search: a ceiling of nodes, beyond any speed
  // the search reaches, ends it instead.
  if (limits.maxNodes == 0 && limits.budget.timed()) {
    limits.maxNodes =
        static_cast<std::uint64_t>(limits.budget.maximum) * NodesPerMillisecondCeiling + 100000;
  }
  const RuleLines codes(request.rule, request.ownIsBlack);
  const RootResult result = search.run(board, codes, limits, turnClock, listener);
  if (result.move >= 0) {
    outcome.move = Move{static_cast<std::uint8_t>(result.move % BoardSide),
                        static_cast<std::uint8_t>(result.move / BoardSide)};
  }
  outcome.searched = true;
  outcome.report = result.report;
  outcome.candidates = result.candidates;
  return outcome;
}

}  // namespace orvane::strong
