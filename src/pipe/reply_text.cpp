#include "pipe/reply_text.hpp"

#include "search/candidate.hpp"

namespace orvane::pipe {

namespace {

std::string verdictName(std::uint8_t verdict) {
  switch (verdict) {
    case Won:
      return "won";
    case LikelyWon:
      return "likely won";
    case Undecided:
      return "undecided";
    case LikelyLost:
      return "likely lost";
    case Lost:
      return "lost";
    default:
      return "code " + std::to_string(verdict);
  }
}

std::string twoDecimals(std::int32_t hundredths) {
  const std::string cents = std::to_string(100 + hundredths % 100);
  return std::to_string(hundredths / 100) + "." + cents.substr(1);
}

}  // namespace

std::string MoveReply(Move move) {
  return std::to_string(move.x) + "," + std::to_string(move.y);
}

std::string SearchMessage(const TurnOutcome& outcome, std::int32_t centiseconds) {
  return "MESSAGE depth " + std::to_string(outcome.budget.searchDepth) + ", " +
         std::to_string(outcome.nodes) + " nodes, root verdict " +
         verdictName(outcome.rootVerdict) + ", " + twoDecimals(centiseconds) + " s";
}

std::string AboutReply() {
  return "name=\"Orvane\", version=\"" ORVANE_VERSION "\", author=\"Orvane developers\"";
}

std::string Printable(std::string_view text) {
  std::string printable(text);
  for (char& c : printable) {
    if (c < ' ' || c > '~') c = '?';
  }
  return printable;
}

}  // namespace orvane::pipe
