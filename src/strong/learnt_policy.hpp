#pragma once

#include <array>

#include "strong/policy_weights.hpp"

// Written by tools/tune/tune_policy (docs/evaluation_tuning.md says how): the values the strong
// search orders a node's cells by, for each rule, learnt from the moves of strong games.

namespace orvane::strong {

inline constexpr PolicyWeights FreestylePolicy{{-97, -94, 57, 64, 105, 64, 160, 135, 0, 0, 0, 0},
                                               {-93, -86, 47, 243, 12, 469, 0, 0},
                                               {-56, -70, -1, 27, 7, -3, 97, 86, 0, 0, 0, 0},
                                               {-81, -76, 75, 0, 86, 0, 0, 0},
                                               {40, 26, 15, 9, -39},
                                               {32, 13, -12, -21, -23}};
inline constexpr PolicyWeights ExactFivePolicy{{-96, -92, 55, 53, 102, 63, 155, 141, 0, 0, 0, -95},
                                               {-97, -88, 43, 238, 15, 504, 0, 0},
                                               {-53, -58, 2, 29, -1, -3, 95, 81, 0, 0, 0, -98},
                                               {-80, -73, 73, 0, 81, 0, 0, 0},
                                               {40, 22, 6, 7, -37},
                                               {26, 9, -12, -13, -18}};
inline constexpr PolicyWeights RenjuPolicy{{-98, -84, 53, 59, 85, 57, 157, 141, 0, 0, 0, 0},
                                           {-86, -97, 52, 214, 19, 453, 0, 0},
                                           {-47, -64, 2, 31, 10, -14, 83, 79, 8, -2, 0, -40},
                                           {-74, -76, 71, 42, 90, 0, -41, 0},
                                           {38, 26, 16, 7, -37},
                                           {35, 20, -9, -15, -32}};

// Indexed by GameRule. Caro, and caro with exactly five, order by the values of freestyle and of
// exactly five until games of their own are learnt from.
inline constexpr std::array<PolicyWeights, 5> LearnedPolicies{
    FreestylePolicy, ExactFivePolicy, RenjuPolicy, FreestylePolicy, ExactFivePolicy};

}  // namespace orvane::strong
