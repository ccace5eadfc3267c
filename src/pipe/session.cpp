#include "pipe/session.hpp"

#include <type_traits>
#include <variant>

#include "driver/turn.hpp"
#include "pipe/board_line.hpp"
#include "pipe/forbidden_cells.hpp"
#include "pipe/game_rule.hpp"
#include "pipe/number_fields.hpp"
#include "pipe/reply_text.hpp"
#include "strong/report_text.hpp"

namespace orvane::pipe {

namespace {

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
  return key == "timeout_turn" || key == "timeout_match" || key == "time_left" || key == "rule" ||
         key == "seed";
}

// The board sizes a game may have, along either side.
constexpr std::int64_t SmallestSide = 5;
constexpr std::int64_t LargestSide = BoardSide;

bool isPlayableSide(std::int64_t side) {
  return side >= SmallestSide && side <= LargestSide;
}

BoardArea areaOf(std::int64_t width, std::int64_t height) {
  return {static_cast<int>(width), static_cast<int>(height)};
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
  if (block.forForbiddenCells) {
    writeLine(ForbiddenReply(block.board, area_, rule_));
    return;
  }
  position_.board = block.board;
  answerMove(request);
}

SessionState Session::handle(const EndCommand&) {
  return SessionState::Ended;
}

SessionState Session::handle(const InfoCommand& info) {
  if (handleStrongInfo(info)) return SessionState::Running;
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
  } else if (info.key == "seed") {
    setSeed(*value);
  } else {
    setRule(*value);
  }
  return SessionState::Running;
}

bool Session::handleStrongInfo(const InfoCommand& info) {
  if (info.key == "engine") {
    if (MatchesKeyword(info.value, "strong")) {
      engine_ = EngineChoice::Strong;
    } else if (MatchesKeyword(info.value, "classic")) {
      engine_ = EngineChoice::Classic;
    } else {
      writeError("INFO engine needs classic or strong, not \"" + Printable(info.value) + "\"");
    }
    return true;
  }
  if (info.key != "max_memory" && info.key != "max_depth" && info.key != "max_node" &&
      info.key != "thread_num")
    return false;
  // Settings of the strong search alone: a value that is not an integer is ignored, as these
  // keys always were.
  if (const std::optional<std::int64_t> value = ParseInteger(info.value)) {
    if (info.key == "max_memory") strongBrain_.setMemory(*value);
    if (info.key == "max_depth") strongBrain_.setMaxDepth(*value);
    if (info.key == "max_node") strongBrain_.setMaxNodes(*value);
    if (info.key == "thread_num") strongBrain_.setThreads(*value);
  }
  return true;
}

void Session::setRule(std::int64_t value) {
  const std::variant<GameRule, std::string> rule = RuleFromInfo(value);
  if (const auto* known = std::get_if<GameRule>(&rule)) {
    rule_ = *known;
    ruleError_.reset();
  } else {
    ruleError_ = std::get<std::string>(rule);
    ruleErrorReported_ = false;
  }
}

void Session::setSeed(std::int64_t value) {
  if (value > std::int64_t{UINT32_MAX}) {
    writeError("INFO seed is at most 4294967295, not " + std::to_string(value));
  } else if (value < 0) {
    seed_.reset();
  } else {
    seed_ = static_cast<std::uint32_t>(value);
  }
}

SessionState Session::handle(const UnknownCommand& command) {
  writeLine("UNKNOWN " + Printable(command.text));
  return SessionState::Running;
}

SessionState Session::handle(const BoardCommand&) {
  // The rule is checked at DONE, where the manager waits for the answer.
  boardBlock_ = BoardBlock{EmptyBoard(area_), false, std::nullopt};
  return SessionState::Running;
}

SessionState Session::handle(const ForbiddenCommand&) {
  boardBlock_ = BoardBlock{EmptyBoard(area_), true, std::nullopt};
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
  if (!isPlayableSide(command.size)) {
    writeError("the board size is 5 to 20, not " + std::to_string(command.size));
    return;
  }
  startNewGame(areaOf(command.size, command.size));
  writeLine("OK");
}

void Session::execute(const RectStartCommand& command) {
  if (!isPlayableSide(command.width) || !isPlayableSide(command.height)) {
    writeError("the board's width and height are 5 to 20, not " + std::to_string(command.width) +
               "," + std::to_string(command.height));
    return;
  }
  startNewGame(areaOf(command.width, command.height));
  writeLine("OK");
}

void Session::execute(const RestartCommand&) {
  startNewGame(area_);
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
  if (!area_.contains(static_cast<int>(command.cell.x), static_cast<int>(command.cell.y))) {
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
  if (seed_) return {startTime, RandomGenerator(*seed_)};
  return {startTime, RandomGenerator::FromUtcTime(clock_.utcTime())};
}

std::optional<std::string> Session::moveFault(const Board& board, const CellText& cell) const {
  const bool onBoard = cell.x >= 0 && cell.x < area_.width && cell.y >= 0 && cell.y < area_.height;
  if (!onBoard) return "cell " + cellName(cell) + " is off the board";
  if (stateAt(board, cell) != CellState::Empty) return "cell " + cellName(cell) + " is taken";
  return std::nullopt;
}

void Session::answerMove(MoveRequest& request) {
  TurnRequest turn;
  turn.turnSeconds = time_.turnSeconds();
  turn.matchTimeLeft = time_.matchTimeLeft();
  turn.startTime = request.startTime;
  turn.traceLine = true;
  turn.area = area_;
  turn.rule = rule_;
  turn.ownIsBlack = BrainPlaysBlack(position_.board);
  if (engine_ == EngineChoice::Strong) {
    answerStrongMove(turn);
    return;
  }
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

namespace {

// Writes the two MESSAGE lines of every iteration of the strong search as it finishes.
class IterationMessages final : public strong::IterationListener {
 public:
  explicit IterationMessages(Console& output) : output_(output) {}
  void iterationFinished(const strong::IterationReport& report) override {
    output_.write(strong::IterationMessage(report) + "\r\n");
    output_.write(strong::LineMessage(report.line) + "\r\n");
  }

 private:
  Console& output_;
};

}  // namespace

void Session::answerStrongMove(const TurnRequest& turn) {
  strong::StrongRequest request;
  request.area = turn.area;
  request.rule = turn.rule;
  request.ownIsBlack = turn.ownIsBlack;
  request.times = {time_.turnMilliseconds(), time_.matchMillisecondsLeft()};
  IterationMessages messages(output_);
  const strong::StrongOutcome outcome =
      strongBrain_.play(position_.board, request, clock_, &messages);
  if (!outcome.move) {
    writeError("no empty cell is left");
    return;
  }
  if (outcome.candidates.count > 0) writeLine(strong::CandidatesMessage(outcome.candidates));
  position_.board.set(outcome.move->x, outcome.move->y, CellState::Own);
  writeLine(MoveReply(*outcome.move));
}

void Session::startNewGame(BoardArea area) {
  area_ = area;
  position_.board = EmptyBoard(area);
  time_.startGame();
}

void Session::writeLine(std::string_view text) {
  output_.write(std::string(text) + "\r\n");
}

void Session::writeError(std::string_view reason) {
  writeLine("ERROR " + std::string(reason));
}

}  // namespace orvane::pipe
