#pragma once

#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "driver/turn.hpp"
#include "platform/clock.hpp"

namespace orvane::bench {

// A clock stopped at one moment, so that a search's path never depends on when it runs.
class FrozenClock final : public Clock {
 public:
  TimeOfDay localTime() const override { return {13, 5, 42, 378}; }
  TimeOfDay utcTime() const override { return {13, 5, 42, 378}; }
};

// FNV-1a over the bytes of every value fed to it: a bench's behaviour in sixteen hex digits.
class Signature {
 public:
  void add(std::int64_t value) {
    for (int byte = 0; byte < 8; ++byte) {
      hash_ ^= static_cast<std::uint64_t>(value >> (8 * byte)) & 0xff;
      hash_ *= 0x100000001b3ull;
    }
  }
  std::string text() const {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, hash_);
    return text;
  }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

// A classic turn on `board`, started at the clock's time and drawing from a generator seeded by
// it, and the wall-clock seconds it took.
struct TimedTurn {
  TurnOutcome outcome;
  double seconds;
};
inline TimedTurn PlayTimedTurn(const Board& board, TurnRequest request, const Clock& clock) {
  Position position;
  position.board = board;
  request.startTime = centisecondsOfDay(clock.localTime());
  RandomGenerator random = RandomGenerator::FromUtcTime(clock.utcTime());
  const auto start = std::chrono::steady_clock::now();
  TurnOutcome outcome = PlayTurn(position, request, random, clock);
  return {std::move(outcome),
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

// What a classic turn did: its nodes, its root verdict and every root candidate with its scores.
inline void AddTurn(Signature& signature, const TurnOutcome& outcome) {
  signature.add(static_cast<std::int64_t>(outcome.nodes));
  signature.add(outcome.rootVerdict);
  for (const Candidate& candidate : outcome.rootList.entries) {
    for (std::int32_t field : {candidate.x, candidate.y, candidate.attack, candidate.defence})
      signature.add(field);
  }
}

// Prints the signature; 1, with a word on standard error, when an expected one differs, else 0.
inline int CheckSignature(const Signature& signature, const char* expected) {
  const std::string text = signature.text();
  std::printf("signature %s\n", text.c_str());
  if (expected == nullptr || text == expected) return 0;
  std::fprintf(stderr, "signature differs from the expected %s\n", expected);
  return 1;
}

// A move as "x,y", or "none".
inline std::string MoveText(const std::optional<Move>& move) {
  return move ? std::to_string(move->x) + "," + std::to_string(move->y) : "none";
}

}  // namespace orvane::bench
