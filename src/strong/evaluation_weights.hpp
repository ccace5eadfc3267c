#pragma once

#include <array>
#include <cstdint>

// Written by tools/tune/tune_evaluation (docs/evaluation_tuning.md says how): the values the
// strong search's static evaluation counts, for each rule, learnt from the results of games.

namespace orvane::strong {

// For one rule: what each line shape that an empty cell takes part in is worth, and what each
// threat that a stone there makes adds, to the side to move (mover) and to the other (waiting).
// Indexed by LineShape and by Threat.
struct EvaluationWeights {
  std::array<std::int16_t, 12> moverShape;
  std::array<std::int16_t, 12> waitingShape;
  std::array<std::int16_t, 8> moverThreat;
  std::array<std::int16_t, 8> waitingThreat;
};

// Indexed by GameRule.
inline constexpr std::array<EvaluationWeights, 5> LearnedWeights{{
    // Freestyle
    EvaluationWeights{{0, 1, 7, 7, 45, 43, 48, 112, 125, 125, 0, 0},
                      {0, 0, 5, 8, 20, 26, 12, 96, 145, 43, 0, 0},
                      {0, 0, -16, -30, -42, 763, 0, 0},
                      {0, 0, -1, -9, -31, 181, 0, 0}},
    // ExactFive
    EvaluationWeights{{0, 1, 2, 2, 42, 44, 47, 62, 125, 125, 0, 0},
                      {0, 1, 2, 2, 34, 35, 38, 50, 100, 100, 0, 0},
                      {0, 0, 0, 78, 0, 125, 0, 0},
                      {0, 0, 0, 62, 0, 100, 0, 0}},
    // Renju
    EvaluationWeights{{0, 1, 2, 2, 42, 44, 47, 62, 125, 125, 0, 0},
                      {0, 1, 2, 2, 34, 35, 38, 50, 100, 100, 0, 0},
                      {0, 0, 0, 78, 0, 125, 0, 0},
                      {0, 0, 0, 62, 0, 100, 0, 0}},
    // Caro
    EvaluationWeights{{0, 1, 7, 7, 45, 43, 48, 112, 125, 125, 0, 0},
                      {0, 0, 5, 8, 20, 26, 12, 96, 145, 43, 0, 0},
                      {0, 0, -16, -30, -42, 763, 0, 0},
                      {0, 0, -1, -9, -31, 181, 0, 0}},
    // CaroExactFive
    EvaluationWeights{{0, 1, 2, 2, 42, 44, 47, 62, 125, 125, 0, 0},
                      {0, 1, 2, 2, 34, 35, 38, 50, 100, 100, 0, 0},
                      {0, 0, 0, 78, 0, 125, 0, 0},
                      {0, 0, 0, 62, 0, 100, 0, 0}},
}};

}  // namespace orvane::strong
