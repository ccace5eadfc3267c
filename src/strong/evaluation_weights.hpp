#pragma once

#include <array>
#include <cstdint>

// Written by tools/tune/tune_evaluation (docs/evaluation_tuning.md says how): the values the
// strong search's static evaluation counts, for each rule, learnt from the results of games.

namespace orvane::strong {

// For one rule: what each line shape that an empty cell takes part in is worth, and what each
// threat that a stone there makes adds, to the side to move (mover) and to the other (waiting);
// and what a side gains by having one cell at least of each threat. Indexed by LineShape and by
// Threat.
struct EvaluationWeights {
  std::array<std::int16_t, 12> moverShape;
  std::array<std::int16_t, 12> waitingShape;
  std::array<std::int16_t, 8> moverThreat;
  std::array<std::int16_t, 8> waitingThreat;
  std::array<std::int16_t, 8> moverHas;
  std::array<std::int16_t, 8> waitingHas;
};

// Indexed by GameRule.
inline constexpr std::array<EvaluationWeights, 5> LearnedWeights{{
    // Freestyle
    EvaluationWeights{{0, 5, 12, 16, 54, 41, 49, 118, 125, 125, 0, 0},
                      {0, 6, 12, 16, 19, 20, 19, 107, 114, -44, 0, 0},
                      {0, -8, -19, -100, -36, 824, 0, 0},
                      {0, -10, -2, -49, -28, 401, 9, 0},
                      {0, 49, 46, 134, -51, 61, 0, 0},
                      {0, -39, 100, 84, -149, -202, 100, 0}},
    // ExactFive
    EvaluationWeights{{0, 1, 2, 2, 42, 44, 47, 62, 125, 125, 0, 0},
                      {0, 1, 2, 2, 34, 35, 38, 50, 100, 100, 0, 0},
                      {0, 0, 0, 78, 0, 125, 0, 0},
                      {0, 0, 0, 62, 0, 100, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0}},
    // Renju
    EvaluationWeights{{0, 8, 11, 10, 29, 7, 20, 75, 125, 124, 0, 0},
                      {0, 6, 9, 9, 12, -8, 0, 61, 117, 100, 0, 0},
                      {0, -12, -2, 29, -7, 155, -6, 0},
                      {0, -11, 10, 1, 0, 122, 12, 0},
                      {0, 1, 40, -35, -21, 29, -6, 0},
                      {0, -1, 48, -26, -64, 11, 20, 0}},
    // Caro
    EvaluationWeights{{0, 5, 12, 16, 54, 41, 49, 118, 125, 125, 0, 0},
                      {0, 6, 12, 16, 19, 20, 19, 107, 114, -44, 0, 0},
                      {0, -8, -19, -100, -36, 824, 0, 0},
                      {0, -10, -2, -49, -28, 401, 9, 0},
                      {0, 49, 46, 134, -51, 61, 0, 0},
                      {0, -39, 100, 84, -149, -202, 100, 0}},
    // CaroExactFive
    EvaluationWeights{{0, 1, 2, 2, 42, 44, 47, 62, 125, 125, 0, 0},
                      {0, 1, 2, 2, 34, 35, 38, 50, 100, 100, 0, 0},
                      {0, 0, 0, 78, 0, 125, 0, 0},
                      {0, 0, 0, 62, 0, 100, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0}},
}};

}  // namespace orvane::strong
