#include "driver/move_files.hpp"

#include <string>

namespace orvane {

void ReadBoard(IoChannel& channel, std::uint8_t ownSymbol, Board& board) {
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      const std::uint8_t symbol = channel.ReadCharacter();
      if (symbol == '-') {
        board.set(x, y, CellState::Empty);
        continue;
      }
      board.set(x, y, symbol == ownSymbol ? CellState::Own : CellState::Opponent);
    }
    channel.SkipLine();
  }
}

Timeouts ReadTimeouts(IoChannel& channel) {
  Timeouts timeouts;
  timeouts.turnSeconds = channel.ReadInteger();
  channel.SkipLine();
  timeouts.matchTimeLeft = channel.ReadInteger();
  channel.SkipLine();
  return timeouts;
}

std::int32_t WriteAnswer(IoChannel& channel, Move move) {
  channel.openForWriting(MoveFileName);
  if (channel.pendingError() != 0) return channel.pendingError();
  for (const std::string& piece :
       {std::to_string(move.x), std::string(","), std::to_string(move.y)}) {
    channel.write(piece);
    if (channel.pendingError() != 0) return channel.pendingError();
  }
  channel.close();
  return channel.pendingError();
}

}  // namespace orvane
