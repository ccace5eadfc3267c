#include "pipe/board_line.hpp"

#include "pipe/number_fields.hpp"

namespace orvane::pipe {

BoardLine ParseBoardLine(std::string_view line) {
  const std::string_view text = TrimBlanks(line);
  if (MatchesKeyword(text, "DONE")) return BoardDone{};
  if (MatchesKeyword(text, "END")) return BoardAbandoned{};
  const auto fields = ParseIntegerFields<3>(text);
  if (!fields) return BadBoardLine{};
  const std::int64_t owner = (*fields)[2];
  if (owner < 1 || owner > 3) return BadBoardLine{};
  return BoardStone{{(*fields)[0], (*fields)[1]}, static_cast<StoneOwner>(owner)};
}

}  // namespace orvane::pipe
