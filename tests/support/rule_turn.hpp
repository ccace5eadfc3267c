#pragma once

#include <initializer_list>
#include <string_view>

#include "driver/turn.hpp"
#include "support/fake_clock.hpp"

namespace orvane::testing {

// A whole classic turn on 15 x 15 at 5 s a turn, under a clock that stands still and with the
// line traced: "X" in the rows (from y = 0 down) the brain's stones, "O" the other side's. The
// board is the position the turn was asked about.
struct RuleTurn {
  Board board;
  TurnOutcome outcome;
};

inline RuleTurn PlayRuleTurn(GameRule rule, bool ownIsBlack,
                             std::initializer_list<std::string_view> rows) {
  Position position{EmptyBoard({15, 15}), {}};
  int y = 0;
  for (std::string_view row : rows) {
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
      if (row[x] == 'X') position.board.set(x, y, CellState::Own);
      if (row[x] == 'O') position.board.set(x, y, CellState::Opponent);
    }
    ++y;
  }
  const FakeClock clock;
  RandomGenerator random = RandomGenerator::FromUtcTime(clock.utc);
  TurnRequest request;
  request.turnSeconds = 5;
  request.matchTimeLeft = 1000000;
  request.startTime = centisecondsOfDay(clock.local);
  request.traceLine = true;
  request.area = {15, 15};
  request.rule = rule;
  request.ownIsBlack = ownIsBlack;
  const Board board = position.board;
  return {board, PlayTurn(position, request, random, clock)};
}

}  // namespace orvane::testing
