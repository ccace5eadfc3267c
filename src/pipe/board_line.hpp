#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

#include "pipe/command.hpp"

namespace orvane::pipe {

// Who owns a stone of a BOARD block, by the manager's field: 1 the brain, 2 the opponent, 3 a
// stone of neither side in a continuous game.
enum class StoneOwner : std::uint8_t { Own = 1, Opponent = 2, Neither = 3 };

struct BoardStone {
  CellText cell;
  StoneOwner owner = StoneOwner::Own;

  friend bool operator==(const BoardStone&, const BoardStone&) = default;
};
struct BoardDone {
  friend bool operator==(const BoardDone&, const BoardDone&) = default;
};
// END inside the block: the brain quits at once.
struct BoardAbandoned {
  friend bool operator==(const BoardAbandoned&, const BoardAbandoned&) = default;
};
struct BadBoardLine {
  friend bool operator==(const BadBoardLine&, const BadBoardLine&) = default;
};

using BoardLine = std::variant<BoardStone, BoardDone, BoardAbandoned, BadBoardLine>;

// Reads one line inside a BOARD block: "x,y,f", DONE or END.
BoardLine ParseBoardLine(std::string_view line);

}  // namespace orvane::pipe
