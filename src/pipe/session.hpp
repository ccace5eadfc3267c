#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "driver/random_generator.hpp"
#include "driver/turn.hpp"
#include "patterns/game_rule.hpp"
#include "patterns/pattern_map.hpp"
#include "pipe/command.hpp"
#include "pipe/time_settings.hpp"
#include "platform/clock.hpp"
#include "platform/console.hpp"
#include "strong/strong_brain.hpp"

namespace orvane::pipe {

enum class SessionState { Running, Ended };

// Which search answers the moves: the classic threat search, or the strong search (INFO engine
// classic / strong).
enum class EngineChoice { Classic, Strong };

// The brain's side of one conversation with a manager: the position, the board's size, the rule,
// the manager's settings and the replies. Lines come in one at a time without their line ends;
// every reply goes to `output` as one whole line ending in CR LF. Every move is asked of PlayTurn,
// with the budget inputs the file-protocol brain would read from its files, or of the strong
// search when it is chosen.
class Session {
 public:
  // `strongMemory`: the strong search's memory when INFO max_memory gives none.
  Session(const Clock& clock, Console& output, EngineChoice engine = EngineChoice::Classic,
          std::size_t strongMemory = strong::StrongBrain::DefaultMemory)
      : clock_(clock), output_(output), engine_(engine), strongBrain_(strongMemory) {}

  SessionState handleLine(std::string_view line);
  // A line cut short because it was longer than the longest line kept.
  SessionState handleOverlongLine();

  const Board& board() const { return position_.board; }

 private:
  // The start time and the random draws of one move, taken when its request has been read.
  struct MoveRequest {
    std::int32_t startTime;
    RandomGenerator random;
  };
  // A position being given stone by stone between BOARD (or FORBIDDEN) and DONE.
  struct BoardBlock {
    Board board;
    bool forForbiddenCells = false;    // FORBIDDEN: list black's forbidden cells, play no move
    std::optional<std::string> error;  // the first fault found in the block
  };

  SessionState continueBoardBlock(std::string_view line);
  void finishBoardBlock();
  bool rejectedByRule(bool moveRequest);

  SessionState handle(const EndCommand& command);
  SessionState handle(const InfoCommand& command);
  SessionState handle(const UnknownCommand& command);
  SessionState handle(const BoardCommand& command);
  SessionState handle(const ForbiddenCommand& command);
  // Any other command: carried out unless the rule in force stops it.
  template <typename GameCommand>
  SessionState handle(const GameCommand& command);

  void execute(const StartCommand& command);
  void execute(const RectStartCommand& command);
  void execute(const RestartCommand& command);
  void execute(const BeginCommand& command);
  void execute(const TurnCommand& command);
  void execute(const TakebackCommand& command);
  void execute(const AboutCommand& command);
  void execute(const MalformedCommand& command);

  MoveRequest readMoveRequestClock() const;
  void answerMove(MoveRequest& request);
  void answerStrongMove(const TurnRequest& turn);
  // INFO keys of the strong search; false for any other key.
  bool handleStrongInfo(const InfoCommand& info);
  void startNewGame(BoardArea area);
  void setRule(std::int64_t value);
  void setSeed(std::int64_t value);
  // Why a move cannot go onto `cell` of `board`, if it cannot.
  std::optional<std::string> moveFault(const Board& board, const CellText& cell) const;
  void writeLine(std::string_view text);
  void writeError(std::string_view reason);

  const Clock& clock_;
  Console& output_;
  BoardArea area_;
  GameRule rule_ = GameRule::Freestyle;
  Position position_;
  TimeSettings time_;
  // INFO seed: the seed of every move's random draws; none to seed them from the clock.
  std::optional<std::uint32_t> seed_;
  std::optional<BoardBlock> boardBlock_;
  // Why the rule in force cannot be honoured, while it is in force, and whether that has been
  // said since it was set.
  std::optional<std::string> ruleError_;
  bool ruleErrorReported_ = false;
  EngineChoice engine_;
  strong::StrongBrain strongBrain_;
};

}  // namespace orvane::pipe
