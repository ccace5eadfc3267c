#pragma once

#include <array>

#include "strong/evaluation_weights.hpp"

// Written by tools/tune/tune_evaluation (docs/evaluation_tuning.md says how): the values the
// strong search's static evaluation counts, for each rule, learnt from the results of games.

namespace orvane::strong {

inline constexpr EvaluationWeights FreestyleWeights{{0, 5, 12, 16, 54, 41, 49, 118, 125, 125, 0, 0},
                                                    {0, 6, 12, 16, 19, 20, 19, 107, 114, -44, 0, 0},
                                                    {0, -8, -19, -100, -36, 824, 0, 0},
                                                    {0, -10, -2, -49, -28, 401, 9, 0},
                                                    {0, 49, 46, 134, -51, 61, 0, 0},
                                                    {0, -39, 100, 84, -149, -202, 100, 0}};
inline constexpr EvaluationWeights RenjuWeights{{0, 8, 11, 10, 29, 7, 20, 75, 125, 124, 0, 0},
                                                {0, 6, 9, 9, 12, -8, 0, 61, 117, 100, 0, 0},
                                                {0, -12, -2, 29, -7, 155, -6, 0},
                                                {0, -11, 10, 1, 0, 122, 12, 0},
                                                {0, 1, 40, -35, -21, 29, -6, 0},
                                                {0, -1, 48, -26, -64, 11, 20, 0}};

// Indexed by GameRule. Exactly five, caro and caro with exactly five play with the values of
// freestyle, which play exactly five better than the values set or learnt for it so far,
// until games of their own are learnt from.
inline constexpr std::array<EvaluationWeights, 5> LearnedWeights{
    FreestyleWeights, FreestyleWeights, RenjuWeights, FreestyleWeights, FreestyleWeights};

}  // namespace orvane::strong
