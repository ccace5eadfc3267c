#include "driver/brain_run.hpp"

#include "driver/banner.hpp"
#include "driver/error_report.hpp"
#include "driver/io_channel.hpp"
#include "driver/move_files.hpp"
#include "driver/turn.hpp"

namespace orvane {

namespace {

int printBanner(Console& console, const Budget& budget) {
  console.write(InformationBanner(budget));
  return 0;
}

// Opens an input file; the check takes and resets the pending error, so a failure while the
// previous file was read or closed fails it as well.
bool openInput(IoChannel& channel, std::string_view name) {
  channel.openForReading(name);
  return channel.takePendingError() == 0;
}

}  // namespace

int RunBrain(const RunEnvironment& environment) {
  TurnRequest request;
  request.startTime = centisecondsOfDay(environment.clock.localTime());
  RandomGenerator random = RandomGenerator::FromUtcTime(environment.clock.utcTime());
  IoChannel channel(environment.files);

  if (!openInput(channel, MoveFileName)) return printBanner(environment.console, Budget{});
  const std::uint8_t ownSymbol = channel.ReadCharacter();
  channel.close();

  Position position;
  if (!openInput(channel, BoardFileName)) return printBanner(environment.console, Budget{});
  ReadBoard(channel, ownSymbol, position.board);
  channel.close();

  if (!openInput(channel, TimeoutsFileName)) return printBanner(environment.console, Budget{});
  const Timeouts timeouts = ReadTimeouts(channel);
  channel.close();
  request.turnSeconds = TurnSecondsFrom(timeouts.turnSeconds);
  request.matchTimeLeft = timeouts.matchTimeLeft;

  const TurnOutcome outcome = PlayTurn(position, request, random, environment.clock);
  if (!outcome.move) return printBanner(environment.console, outcome.budget);

  const std::int32_t error = WriteAnswer(channel, *outcome.move);
  if (error != 0) {
    environment.console.write(ErrorReport(error));
    return 1;
  }
  return 0;
}

}  // namespace orvane
