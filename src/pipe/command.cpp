#include "pipe/command.hpp"

#include <algorithm>
#include <optional>

#include "pipe/number_fields.hpp"

namespace orvane::pipe {

namespace {

char lowerCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct Words {
  std::string_view keyword;
  std::string_view arguments;  // the rest of the line, trimmed
};

Words splitKeyword(std::string_view line) {
  line = TrimBlanks(line);
  const std::size_t blank = line.find_first_of(" \t");
  if (blank == std::string_view::npos) return {line, {}};
  return {line.substr(0, blank), TrimBlanks(line.substr(blank))};
}

std::optional<CellText> parseCell(std::string_view text) {
  const auto fields = ParseIntegerFields<2>(text);
  if (!fields) return std::nullopt;
  return CellText{(*fields)[0], (*fields)[1]};
}

Command withoutArguments(Command command, std::string_view keyword, std::string_view arguments) {
  if (!arguments.empty()) return MalformedCommand{std::string(keyword) + " takes no arguments"};
  return command;
}

Command parseInfo(std::string_view arguments) {
  const Words words = splitKeyword(arguments);
  if (words.keyword.empty()) return MalformedCommand{"INFO needs a key and a value"};
  std::string key(words.keyword);
  std::transform(key.begin(), key.end(), key.begin(), lowerCase);
  return InfoCommand{std::move(key), std::string(words.arguments)};
}

}  // namespace

bool MatchesKeyword(std::string_view word, std::string_view keyword) {
  return std::equal(word.begin(), word.end(), keyword.begin(), keyword.end(),
                    [](char a, char b) { return lowerCase(a) == lowerCase(b); });
}

Command ParseCommand(std::string_view line) {
  const auto [keyword, arguments] = splitKeyword(line);
  if (MatchesKeyword(keyword, "START")) {
    const std::optional<std::int64_t> size = ParseInteger(arguments);
    if (!size) return MalformedCommand{"START needs the board size"};
    return StartCommand{*size};
  }
  if (MatchesKeyword(keyword, "RECTSTART")) {
    const auto sides = ParseIntegerFields<2>(arguments);
    if (!sides) return MalformedCommand{"RECTSTART needs width,height"};
    return RectStartCommand{(*sides)[0], (*sides)[1]};
  }
  if (MatchesKeyword(keyword, "TURN") || MatchesKeyword(keyword, "TAKEBACK")) {
    const std::optional<CellText> cell = parseCell(arguments);
    if (!cell) return MalformedCommand{std::string(keyword) + " needs a cell x,y"};
    if (MatchesKeyword(keyword, "TURN")) return TurnCommand{*cell};
    return TakebackCommand{*cell};
  }
  if (MatchesKeyword(keyword, "INFO")) return parseInfo(arguments);
  if (MatchesKeyword(keyword, "RESTART"))
    return withoutArguments(RestartCommand{}, keyword, arguments);
  if (MatchesKeyword(keyword, "BEGIN")) return withoutArguments(BeginCommand{}, keyword, arguments);
  if (MatchesKeyword(keyword, "BOARD")) return withoutArguments(BoardCommand{}, keyword, arguments);
  if (MatchesKeyword(keyword, "FORBIDDEN"))
    return withoutArguments(ForbiddenCommand{}, keyword, arguments);
  if (MatchesKeyword(keyword, "ABOUT")) return withoutArguments(AboutCommand{}, keyword, arguments);
  if (MatchesKeyword(keyword, "END")) return EndCommand{};
  return UnknownCommand{std::string(TrimBlanks(line))};
}

}  // namespace orvane::pipe
