#pragma once

#include <cstdint>

#include "patterns/pattern_map.hpp"
#include "patterns/pattern_score_table.hpp"

namespace orvane {

// State of a walk along one line through an evaluated cell, from four cells before it to four
// after: which walked cells hold stones (latest in bit 0), how long a window each side may take,
// counted back from the current cell to the last stone of the other side or the edge, and the
// most valuable window taken so far.
//
// The edge of the board and a blocked cell act alike: each blocks both sides. A walk that meets
// the edge after the cell may therefore enter it as a blocked cell and go on, since no window can
// be taken past it.
struct LineWalk {
  std::uint32_t lineBits = 0;
  std::uint8_t ownRoom = 4;
  std::uint8_t opponentRoom = 4;
  DirectionCode code = 0;
  std::uint16_t bestValue = 0;

  // Enters a cell that lies before the evaluated one; `between` counts the cells strictly between
  // them.
  constexpr void enterLeadingCell(CellState state, std::uint8_t between) {
    lineBits <<= 1;
    if (state == CellState::Own) {
      lineBits |= 1;
      opponentRoom = between;
    } else if (state == CellState::Opponent) {
      lineBits |= 1;
      ownRoom = between;
    } else if (state == CellState::Blocked) {
      ownRoom = between;
      opponentRoom = between;
    }
  }

  // The evaluated cell itself, taken as a stone of whichever side owns the window, and the one
  // window that ends there.
  constexpr void enterEvaluatedCell() {
    lineBits = lineBits * 2 + 1;
    ++ownRoom;
    ++opponentRoom;
    windowStep();
  }

  // A cell after the evaluated one, and the windows that end there.
  constexpr void enterTrailingCell(CellState state) {
    ++ownRoom;
    ++opponentRoom;
    lineBits <<= 1;
    if (state == CellState::Own) {
      lineBits |= 1;
      opponentRoom = 0;
    } else if (state == CellState::Opponent) {
      lineBits |= 1;
      ownRoom = 0;
    } else if (state == CellState::Blocked) {
      ownRoom = 0;
      opponentRoom = 0;
    }
    windowStep();
  }

 private:
  // The five-, six- and seven-cell windows ending at the current cell, for the own side when it
  // has room for five, otherwise for the opponent. Only a strictly greater value replaces, so on a
  // tie the window met first stays.
  constexpr void windowStep() {
    if (ownRoom >= 5) {
      takeWindows(true, ownRoom);
    } else if (opponentRoom >= 5) {
      takeWindows(false, opponentRoom);
    }
  }

  constexpr void takeWindows(bool forOwnSide, std::uint8_t room) {
    take(forOwnSide, static_cast<int>(lineBits & 31));
    if (room >= 6) take(forOwnSide, 32 + static_cast<int>(lineBits & 63));
    if (room >= 7) take(forOwnSide, 96 + static_cast<int>(lineBits & 127));
  }

  constexpr void take(bool forOwnSide, int index) {
    const PatternScore& score = PatternScoreTable[index];
    const std::uint16_t value = forOwnSide ? score.second : score.first;
    if (value > bestValue) {
      bestValue = value;
      code = forOwnSide ? index : -index;
    }
  }
};

}  // namespace orvane
