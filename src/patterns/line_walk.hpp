#pragma once

#include <cstdint>

#include "patterns/pattern_map.hpp"
#include "patterns/pattern_score_table.hpp"

namespace orvane {

// State of a walk along one line through an evaluated cell, from the cell on: which walked cells
// hold stones (latest in bit 0) and how long a window each side may take, counted back from the
// current cell to the last stone of the other side or the edge.
struct LineWalk {
  std::uint32_t lineBits = 0;
  std::uint8_t ownRoom = 4;
  std::uint8_t opponentRoom = 4;

  // Enters a cell that lies before the first window position; `between` counts the cells strictly
  // between it and that position. The edge and a blocked cell block both sides, a stone blocks
  // the other side.
  void enterLeadingCell(const Board& board, int px, int py, std::uint8_t between) {
    lineBits <<= 1;
    const CellState state = isOnBoard(px, py) ? board.at(px, py) : CellState::Blocked;
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

  // Enters the state of the cell just shifted in: a stone sets its bit and blocks the other side,
  // a blocked cell blocks both.
  void enterCell(CellState state) {
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
  }

  // With the cell at position 0 already entered, takes the windows ending at positions 0 to 4 and
  // returns the code of the most valuable one (0 when none is worth anything).
  DirectionCode bestCodeFromCell(const Board& board, int x, int y, int dx, int dy) {
    Best best;
    windowStep(best);
    for (int t = 1; t <= 4; ++t) {
      ++ownRoom;
      ++opponentRoom;
      lineBits <<= 1;
      const int px = x + t * dx;
      const int py = y + t * dy;
      if (!isOnBoard(px, py)) break;
      enterCell(board.at(px, py));
      windowStep(best);
    }
    return best.code;
  }

 private:
  struct Best {
    DirectionCode code = 0;
    std::uint16_t value = 0;
  };

  // The five-, six- and seven-cell windows ending at the current cell, for the own side when it
  // has room for five, otherwise for the opponent. Only a strictly greater value replaces, so on a
  // tie the window met first stays.
  void windowStep(Best& best) const {
    if (ownRoom >= 5) {
      takeWindows<true>(best, ownRoom);
    } else if (opponentRoom >= 5) {
      takeWindows<false>(best, opponentRoom);
    }
  }

  template <bool ForOwnSide>
  void takeWindows(Best& best, std::uint8_t room) const {
    take<ForOwnSide>(best, static_cast<int>(lineBits & 31));
    if (room >= 6) take<ForOwnSide>(best, 32 + static_cast<int>(lineBits & 63));
    if (room >= 7) take<ForOwnSide>(best, 96 + static_cast<int>(lineBits & 127));
  }

  template <bool ForOwnSide>
  static void take(Best& best, int index) {
    const PatternScore& score = PatternScoreTable[index];
    const std::uint16_t value = ForOwnSide ? score.second : score.first;
    if (value > best.value) {
      best.value = value;
      best.code = ForOwnSide ? index : -index;
    }
  }
};

}  // namespace orvane
