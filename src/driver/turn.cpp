#include "driver/turn.hpp"

#include <algorithm>

#include "driver/sure_win.hpp"
#include "patterns/cell_evaluation.hpp"
#include "search/search_node.hpp"

namespace orvane {

namespace {

// The stones on the area's cells: every cell taken, less the blocked cells past the area.
std::uint16_t countStones(const Board& board, BoardArea area) {
  const auto taken = std::count_if(board.cells.begin(), board.cells.end(),
                                   [](CellState cell) { return cell != CellState::Empty; });
  return static_cast<std::uint16_t>(taken - (CellCount - area.cellCount()));
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

// Searches from the root and chooses the move among the root's best cells; black in renju only
// among the cells it may play.
template <typename Lines>
void searchAndChoose(SearchContext<Lines>& context, const TurnRequest& request,
                     RandomGenerator& random, TurnOutcome& outcome) {
  const Board& board = context.position.board();
  auto choose = [&](std::optional<Move> drawn) {
    if constexpr (std::is_same_v<Lines, RuleLines>) {
      const RuleLines& codes = context.position.codes();
      if (codes.forbidsBlackMoves() && codes.black() == CellState::Own) {
        return PlayableMove(drawn, outcome.rootList, board, request.area, [&](Move move) {
          return context.position.judgeBlackMove(move.x, move.y).forbidden == Forbidden::No;
        });
      }
    }
    return drawn;
  };
  if (request.traceLine) {
    ListLines rootLines;
    TracedSearchNode(context, outcome.rootList, 1, outcome.rootVerdict, NoReplyYet, 1000000,
                     rootLines);
    const int drawn = DrawRootPosition(outcome.rootList, random);
    outcome.move = choose(MoveAtPosition(outcome.rootList, drawn, board, request.area));
    if (outcome.move) outcome.line = lineOfMove(*outcome.move, rootLines[drawn]);
  } else {
    SearchNode(context, outcome.rootList, 1, outcome.rootVerdict, NoReplyYet, 1000000);
    outcome.move = choose(ChooseRootMove(outcome.rootList, board, random, request.area));
  }
  outcome.searched = true;
  outcome.nodes = context.nodes;
}

// A sure win is played without a search, whose deeper lines could prefer a longer win: the root
// is won by the move alone, with no candidates weighed and no node visited.
void takeSureWin(Move win, const TurnRequest& request, TurnOutcome& outcome) {
  outcome.move = win;
  outcome.searched = true;
  outcome.rootVerdict = Won;
  if (request.traceLine) outcome.line.setSingle({win.x, win.y});
}

}  // namespace

TurnOutcome PlayTurn(Position& position, const TurnRequest& request, RandomGenerator& random,
                     const Clock& clock) {
  TurnOutcome outcome;
  const std::uint16_t stoneCount = countStones(position.board, request.area);
  const auto cellCount = static_cast<std::uint16_t>(request.area.cellCount());
  if (stoneCount == cellCount) return outcome;

  outcome.budget = ComputeBudget(request.turnSeconds, request.matchTimeLeft, stoneCount, cellCount);
  if (stoneCount == 0) {
    outcome.move = OpeningMove(random, request.area);
    return outcome;
  }

  position.map = PatternMap{};
  const TurnTimer timer(clock, request.startTime, outcome.budget.turnLimit);
  if (request.rule == GameRule::Freestyle) {
    InitialisePatternMap(position.map, position.board);
    SearchContext context{position, outcome.budget.searchDepth, timer};
    searchAndChoose(context, request, random, outcome);
  } else {
    const RuleLines codes(request.rule, request.ownIsBlack);
    if (const std::optional<Move> win = FindSureWin(position.board, codes)) {
      takeSureWin(*win, request, outcome);
      return outcome;
    }
    InitialisePatternMap(position.map, position.board, codes);
    SearchContext context{position, outcome.budget.searchDepth, timer, codes};
    searchAndChoose(context, request, random, outcome);
  }
  return outcome;
}

}  // namespace orvane
