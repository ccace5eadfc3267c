#pragma once

#include <cstdint>
#include <string_view>

#include "driver/io_channel.hpp"
#include "driver/root_choice.hpp"
#include "patterns/board.hpp"

namespace orvane {

inline constexpr std::string_view MoveFileName = "tah.dat";
inline constexpr std::string_view BoardFileName = "plocha.dat";
inline constexpr std::string_view TimeoutsFileName = "timeouts.dat";

// "plocha.dat", open on the channel: 20 lines of 20 cells, "-" empty, the own symbol an own stone,
// any other byte (line ends and the end of the file included) an opponent stone. Whatever follows
// the 20th cell of a line is skipped up to its line end.
void ReadBoard(IoChannel& channel, std::uint8_t ownSymbol, Board& board);

struct Timeouts {
  std::int32_t turnSeconds = 0;
  std::int32_t matchTimeLeft = 0;
};

// "timeouts.dat", open on the channel: one integer on each of two lines.
Timeouts ReadTimeouts(IoChannel& channel);

// Writes the answer, decimal x, a comma, decimal y and no line end, into "tah.dat". Returns the
// pending error code that ends the run, or 0.
std::int32_t WriteAnswer(IoChannel& channel, Move move);

}  // namespace orvane
