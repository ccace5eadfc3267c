#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// A scored cell. `attack` is its worth to the side to move, `defence` its worth against the other
// side's shapes; the zero Candidate names cell (0, 0) with nothing on it.
struct Candidate {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t attack = 0;
  std::int32_t defence = 0;

  std::int32_t total() const { return attack + defence; }
  bool sameCell(const Candidate& other) const { return x == other.x && y == other.y; }
  void clearScores() {
    attack = 0;
    defence = 0;
  }

  friend bool operator==(const Candidate&, const Candidate&) = default;
};

inline constexpr int CandidateListSize = 14;
inline constexpr int BestDefencePosition = 13;
inline constexpr int BestAttackPosition = 14;

// Positions 1 to 12 ranked by total, 13 the best defence, 14 the best attack. Positions are
// numbered from 1.
struct CandidateList {
  std::array<Candidate, CandidateListSize> entries{};

  Candidate& operator[](int position) { return entries[position - 1]; }
  const Candidate& operator[](int position) const { return entries[position - 1]; }
  void clear(int position) { entries[position - 1] = Candidate{}; }

  friend bool operator==(const CandidateList&, const CandidateList&) = default;
};

// What a node reports for its side to move.
using Verdict = std::uint8_t;
inline constexpr Verdict Lost = 0;
inline constexpr Verdict LikelyLost = 1;
inline constexpr Verdict Undecided = 3;
inline constexpr Verdict LikelyWon = 5;
inline constexpr Verdict Won = 6;
// Marks "no reply result yet"; no verdict ever reaches it.
inline constexpr Verdict NoReplyYet = 200;

}  // namespace orvane
