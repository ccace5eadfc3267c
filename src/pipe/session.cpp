#include "pipe/session.hpp"

#include <type_traits>
#include <variant>

#include "driver/turn.hpp"
#include "pipe/board_line.hpp"
#include "pipe/game_rule.hpp"
#include "pipe/number_fields.hpp"
#include "pipe/reply_text.hpp"

namespace orvane::pipe {

namespace {

bool isOnBoard(const CellText& cell) {
  return cell.x >= 0 && cell.x < BoardSide && cell.y >= 0 && cell.y < BoardSide;
}

// Only for cells on the board.
CellState stateAt(const Board& board, const CellText& cell) {
  return board.at(static_cast<int>(cell.x), static_cast<int>(cell.y));
}
void setAt(Board& board, const CellText& cell, CellState state) {
  board.set(static_cast<int>(cell.x), static_cast<int>(cell.y), state);
}

std::string cellName(const CellText& cell) {
  return std::to_string(cell.x) + "," + std::to_string(cell.y);
}

// Why a move cannot go onto `cell`, if it cannot.
std::optional<std::string> moveFault(const Board& board, const CellText& cell) {
  if (!isOnBoard(cell)) return "cell " + cellName(cell) + " is off the board";
  if (stateAt(board, cell) != CellState::Empty) return "cell " + cellName(cell) + " is taken";
  return std::nullopt;
}

CellState cellStateFor(StoneOwner owner) {
  switch (owner) {
    case StoneOwner::Own:
      return CellState::Own;
    case StoneOwner::Opponent:
      return CellState::Opponent;
    case StoneOwner::Neither:
      break;
  }
  return CellState::Blocked;
}

bool needsIntegerValue(const std::string& key) {
  return key == "timeout_turn" || key == "timeout_match" || key == "time_left" || key == "rule";
}

}  // namespace

SessionState Session::handleOverlongLine() {
  if (boardBlock_) {
    if (!boardBlock_->error) boardBlock_->error = "a BOARD line is too long";
    return SessionState::Running;
  }
  writeError("line too long");
  return SessionState::Running;
}

SessionState Session::continueBoardBlock(std::string_view line) {
  const BoardLine parsed = ParseBoardLine(line);
  if (std::holds_alternative<BoardAbandoned>(parsed)) return SessionState::Ended;
  if (std::holds_alternative<BoardDone>(parsed)) {
    finishBoardBlock();
    return SessionState::Running;
  }
  BoardBlock& block = *boardBlock_;
  if (block.error) return SessionState::Running;
  const auto* stone = std::get_if<BoardStone>(&parsed);
  if (stone == nullptr) {
    block.error = "bad BOARD line \"" + Printable(TrimBlanks(line)) +
                  "\": expected x,y,f with f 1, 2 or 3, or DONE";
  } else if (const std::optional<std::string> fault = moveFault(block.board, stone->cell)) {
    block.error = "BOARD: " + *fault;
  } else {
    setAt(block.board, stone->cell, cellStateFor(stone->owner));
  }
  return SessionState::Running;
}

void Session::finishBoardBlock() {
  MoveRequest request = readMoveRequestClock();
  const BoardBlock block = *boardBlock_;
  boardBlock_.reset();
  if (rejectedByRule(true)) return;
  if (block.error) {
    writeError(*block.error);
    return;
  }
  position_.board = block.board;
  answerMove(request);
}

SessionState Session::handle(const EndCommand&) {
  return SessionState::Ended;
}

SessionState Session::handle(const InfoCommand& info) {
  if (!needsIntegerValue(info.key)) return SessionState::Running;
  const std::optional<std::int64_t> value = ParseInteger(info.value);
  if (!value) {
    writeError("INFO " + info.key + " needs an integer, not \"" + Printable(info.value) + "\"");
    return SessionState::Running;
  }
  if (info.key == "timeout_turn") {
    time_.setTurnTimeout(*value);
  } else if (info.key == "timeout_match") {
    time_.setMatchTimeout(*value);
  } else if (info.key == "time_left") {
    time_.setTimeLeft(*value);
  } else {
    ruleError_ = UnsupportedRuleReason(*value);
    ruleErrorReported_ = false;
  }
  return SessionState::Running;
}

SessionState Session::handle(const UnknownCommand& command) {
  writeLine("UNKNOWN " + Printable(command.text));
  return SessionState::Running;
}

SessionState Session::handle(const BoardCommand&) {
  // The rule is checked at DONE, where the manager waits for the answer.
  boardBlock_.emplace();
  return SessionState::Running;
}

template <typename GameCommand>
SessionState Session::handle(const GameCommand& command) {
  constexpr bool moveRequest =
      std::is_same_v<GameCommand, BeginCommand> || std::is_same_v<GameCommand, TurnCommand>;
  if (!rejectedByRule(moveRequest)) execute(command);
  return SessionState::Running;
}

SessionState Session::handleLine(std::string_view line) {
  if (TrimBlanks(line).empty()) return SessionState::Running;
  if (boardBlock_) return continueBoardBlock(line);
  return std::visit([this](const auto& command) { return handle(command); }, ParseCommand(line));
}

// While the rule in force cannot be honoured, the next command after it was set and every move
// request are answered with the reason instead of being carried out.
bool Session::rejectedByRule(bool moveRequest) {
  if (!ruleError_ || (ruleErrorReported_ && !moveRequest)) return false;
  ruleErrorReported_ = true;
  writeError(*ruleError_);
  return true;
}

void Session::execute(const StartCommand& command) {
  if (command.size != BoardSide) {
    writeError("only a board of size 20 is supported");
    return;
  }
  startNewGame();
  writeLine("OK");
}

void Session::execute(const RectStartCommand& command) {
  if (command.width != BoardSide || command.height != BoardSide) {
    writeError("only a 20 by 20 board is supported");
    return;
  }
  startNewGame();
  writeLine("OK");
}

void Session::execute(const RestartCommand&) {
  startNewGame();
  writeLine("OK");
}

void Session::execute(const BeginCommand&) {
  MoveRequest request = readMoveRequestClock();
  answerMove(request);
}

void Session::execute(const TurnCommand& command) {
  MoveRequest request = readMoveRequestClock();
  if (const std::optional<std::string> fault = moveFault(position_.board, command.cell)) {
    writeError(*fault);
    return;
  }
  setAt(position_.board, command.cell, CellState::Opponent);
  answerMove(request);
}

void Session::execute(const TakebackCommand& command) {
  if (!isOnBoard(command.cell)) {
    writeError("cell " + cellName(command.cell) + " is off the board");
    return;
  }
  if (stateAt(position_.board, command.cell) == CellState::Empty) {
    writeError("no stone on " + cellName(command.cell));
    return;
  }
  setAt(position_.board, command.cell, CellState::Empty);
  writeLine("OK");
}

void Session::execute(const AboutCommand&) {
  writeLine(AboutReply());
}

void Session::execute(const MalformedCommand& command) {
  writeError(command.reason);
}

Session::MoveRequest Session::readMoveRequestClock() const {
  const std::int32_t startTime = centisecondsOfDay(clock_.localTime());
  return {startTime, RandomGenerator::FromUtcTime(clock_.utcTime())};
}

void Session::answerMove(MoveRequest& request) {
  TurnRequest turn;
  turn.turnSeconds = time_.turnSeconds();
  turn.matchTimeLeft = time_.matchTimeLeft();
  turn.startTime = request.startTime;
  turn.traceLine = true;
  const TurnOutcome outcome = PlayTurn(position_, turn, request.random, clock_);
  if (!outcome.move) {
    writeError("no empty cell is left");
    return;
  }
  position_.board.set(outcome.move->x, outcome.move->y, CellState::Own);
  if (outcome.searched) {
    std::int32_t elapsed = centisecondsOfDay(clock_.localTime()) - request.startTime;
    if (elapsed < 0) elapsed += CentisecondsPerDay;
    writeLine(SearchMessage(outcome, elapsed));
    writeLine(LineMessage(outcome.line));
    writeLine(CandidatesMessage(outcome.rootList));
  }
  writeLine(MoveReply(*outcome.move));
}

void Session::startNewGame() {
  position_.board = Board{};
  time_.startGame();
}

void Session::writeLine(std::string_view text) {
  output_.write(std::string(text) + "\r\n");
}

void Session::writeError(std::string_view reason) {
  writeLine("ERROR " + std::string(reason));
}

}  // namespace orvane::pipe
