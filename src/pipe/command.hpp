#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace orvane::pipe {

// A cell as the manager names it, "x,y": not yet checked against the board.
struct CellText {
  std::int64_t x = 0;
  std::int64_t y = 0;

  friend bool operator==(const CellText&, const CellText&) = default;
};

struct StartCommand {
  std::int64_t size = 0;

  friend bool operator==(const StartCommand&, const StartCommand&) = default;
};
struct RectStartCommand {
  std::int64_t width = 0;
  std::int64_t height = 0;

  friend bool operator==(const RectStartCommand&, const RectStartCommand&) = default;
};
struct RestartCommand {
  friend bool operator==(const RestartCommand&, const RestartCommand&) = default;
};
struct InfoCommand {
  std::string key;  // in lower case
  std::string value;

  friend bool operator==(const InfoCommand&, const InfoCommand&) = default;
};
struct BeginCommand {
  friend bool operator==(const BeginCommand&, const BeginCommand&) = default;
};
struct TurnCommand {
  CellText cell;

  friend bool operator==(const TurnCommand&, const TurnCommand&) = default;
};
struct BoardCommand {
  friend bool operator==(const BoardCommand&, const BoardCommand&) = default;
};
// A position given like a BOARD block, for the list of black's forbidden cells in it.
struct ForbiddenCommand {
  friend bool operator==(const ForbiddenCommand&, const ForbiddenCommand&) = default;
};
struct TakebackCommand {
  CellText cell;

  friend bool operator==(const TakebackCommand&, const TakebackCommand&) = default;
};
struct AboutCommand {
  friend bool operator==(const AboutCommand&, const AboutCommand&) = default;
};
struct EndCommand {
  friend bool operator==(const EndCommand&, const EndCommand&) = default;
};
struct UnknownCommand {
  std::string text;  // the whole line, trimmed

  friend bool operator==(const UnknownCommand&, const UnknownCommand&) = default;
};
// A known command with arguments it cannot take; the reason goes into the ERROR reply.
struct MalformedCommand {
  std::string reason;

  friend bool operator==(const MalformedCommand&, const MalformedCommand&) = default;
};

using Command =
    std::variant<StartCommand, RectStartCommand, RestartCommand, InfoCommand, BeginCommand,
                 TurnCommand, BoardCommand, ForbiddenCommand, TakebackCommand, AboutCommand,
                 EndCommand, UnknownCommand, MalformedCommand>;

// Reads one line outside a BOARD block. The command word is matched in any case; blanks around
// the words are allowed.
Command ParseCommand(std::string_view line);

// True when `word` is `keyword` in any mix of upper and lower case.
bool MatchesKeyword(std::string_view word, std::string_view keyword);

}  // namespace orvane::pipe
