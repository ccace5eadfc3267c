#pragma once

#include <array>
#include <cstdint>

namespace orvane::strong {

// What the strong search's static evaluation counts, for one rule: what each line shape that an
// empty cell takes part in is worth, and what each threat that a stone there makes adds, to the
// side to move (mover) and to the other (waiting); and what a side gains by having one cell at
// least of each threat. Indexed by LineShape and by Threat. The values of each rule, learnt from
// games, are in learnt_weights.hpp.
struct EvaluationWeights {
  std::array<std::int16_t, 12> moverShape;
  std::array<std::int16_t, 12> waitingShape;
  std::array<std::int16_t, 8> moverThreat;
  std::array<std::int16_t, 8> waitingThreat;
  std::array<std::int16_t, 8> moverHas;
  std::array<std::int16_t, 8> waitingHas;
};

}  // namespace orvane::strong
