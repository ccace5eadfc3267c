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

bool inPlay(const Candidate& candidate) {
  return candidate.attack != 0 || candidate.defence != 0;
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

std::string LineMessage(const ThreatLine& line) {
  std::string text = "MESSAGE line";
  for (int i = 0; i < line.length; ++i) {
    text += ' ';
    text += MoveReply({line.cells[i].x, line.cells[i].y});
  }
  return text;
}

std::string CandidatesMessage(const CandidateList& rootList) {
  std::string text = "MESSAGE candidates";
  for (int position = 1; position <= CandidateListSize; ++position) {
    const Candidate& candidate = rootList[position];
    if (!inPlay(candidate)) continue;
    bool named = false;
    for (int earlier = 1; earlier < position; ++earlier)
      named = named || (inPlay(rootList[earlier]) && rootList[earlier].sameCell(candidate));
    if (named) continue;
    text += ' ';
    text += std::to_string(candidate.x) + "," + std::to_string(candidate.y) + ":" +
            std::to_string(candidate.total());
  }
  return text;
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
