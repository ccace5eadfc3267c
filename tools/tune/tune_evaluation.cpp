// Learns the strong search's evaluation from the results of games (Texel tuning): every quiet
// position of the games, seen from its side to move, is a row of features (how many empty
// cell-lines take part in each line shape, and how many empty cells make each threat, for the
// side to move and for the other), labelled 1, 0.5 or 0 by how the game ended for that side. A
// logistic model of the result, sigmoid(value / Scale), is fitted to them by gradient descent
// (Adam, full batch, least squares as in Texel tuning, held near the values in use); a tenth
// of the games is kept apart to check that the fit generalises. The learnt values of every rule
// are printed as the header src/strong/learnt_weights.hpp.
//
// Usage: orvane_tune_evaluation GAMES.sgf... > src/strong/learnt_weights.hpp
// Each file may hold many games, as the match runner writes them (RU[0|1|4], SZ[n], RE[B+..],
// RE[W+..] or a draw), which tools/tune/make_games.sh plays.
#include <array>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "game_records.hpp"
#include "rule_header.hpp"
#include "strong/learnt_weights.hpp"
#include "strong/strong_board.hpp"
#include "strong/threat_cells.hpp"

namespace orvane::strong {
namespace {

using tune::RuleCount;
// The shapes and the threats that get a value of their own: the rest settle the game at once.
constexpr int FirstShape = 1;   // ClosedTwo
constexpr int LastShape = 9;    // DoubleFour
constexpr int FirstThreat = 1;  // Minor
constexpr int LastThreat = 6;   // WinningFour
constexpr int ShapeFeatures = LastShape - FirstShape + 1;
constexpr int ThreatFeatures = LastThreat - FirstThreat + 1;
// Per side: the shapes' counts, the threats' counts, and whether each threat is there at all.
constexpr int SideFeatures = ShapeFeatures + 2 * ThreatFeatures;
constexpr int FeatureCount = 2 * SideFeatures;  // the side to move's, then the other's
// The value at which the side to move wins three games in four: Scale * ln 3.
constexpr double Scale = 200.0;
// Positions from this many moves on; the balanced openings come before.
constexpr int FirstPly = 5;
// The weight of the values' squared distance from those in use, against the mean squared error
// of the results: a value that few positions tell about stays near where it was.
constexpr double Anchor = 1e-7;

struct Sample {
  std::array<float, FeatureCount> features;
  float result;  // for the side to move
};

std::array<float, FeatureCount> Features(const StrongBoard& board) {
  std::array<float, FeatureCount> features{};
  for (int side = 0; side < 2; ++side) {
    const Side who = side == 0 ? Side::Own : Side::Opponent;
    float* row = features.data() + side * SideFeatures;
    for (int cell = 0; cell < CellCount; ++cell) {
      if (!board.isEmpty(cell)) continue;
      for (int direction = 0; direction < DirectionCount; ++direction) {
        const int shape = static_cast<int>(board.shape(who, cell, direction));
        if (shape >= FirstShape && shape <= LastShape) row[shape - FirstShape] += 1;
      }
    }
    for (int threat = FirstThreat; threat <= LastThreat; ++threat) {
      const CellBits& cells = board.cellsWith(who, static_cast<Threat>(threat));
      row[ShapeFeatures + threat - FirstThreat] = static_cast<float>(cells.count());
      row[ShapeFeatures + ThreatFeatures + threat - FirstThreat] = cells.empty() ? 0.0f : 1.0f;
    }
  }
  return features;
}

// The quiet positions of a game, each from its side to move (Own): none where either side has a
// five to make or the side to move a four that no block stops, which the search settles.
void AddSamples(const tune::GameRecord& game, std::vector<Sample>& samples) {
  tune::ForEachPosition(game, [&](const Board& board, bool blackToMove, int ply) {
    if (ply < FirstPly) return;
    StrongBoard strong(board, RuleLines(game.rule, blackToMove));
    if (FiveCell(strong, Side::Own) >= 0 || FiveCell(strong, Side::Opponent) >= 0 ||
        WinningFourCell(strong, Side::Own) >= 0)
      return;
    const double score = blackToMove ? game.blackScore : 1.0 - game.blackScore;
    samples.push_back({Features(strong), static_cast<float>(score)});
  });
}

std::array<double, FeatureCount> StartingWeights(const EvaluationWeights& weights) {
  std::array<double, FeatureCount> w{};
  for (int shape = FirstShape; shape <= LastShape; ++shape) {
    w[shape - FirstShape] = weights.moverShape[shape];
    w[SideFeatures + shape - FirstShape] = -weights.waitingShape[shape];
  }
  for (int threat = FirstThreat; threat <= LastThreat; ++threat) {
    w[ShapeFeatures + threat - FirstThreat] = weights.moverThreat[threat];
    w[SideFeatures + ShapeFeatures + threat - FirstThreat] = -weights.waitingThreat[threat];
    w[ShapeFeatures + ThreatFeatures + threat - FirstThreat] = weights.moverHas[threat];
    w[SideFeatures + ShapeFeatures + ThreatFeatures + threat - FirstThreat] =
        -weights.waitingHas[threat];
  }
  return w;
}

double Loss(const std::vector<Sample>& samples, const std::array<double, FeatureCount>& w) {
  double total = 0;
  for (const Sample& sample : samples) {
    double value = 0;
    for (int i = 0; i < FeatureCount; ++i)
      value += w[i] * sample.features[i];
    const double predicted = 1.0 / (1.0 + std::exp(-value / Scale));
    total += (predicted - sample.result) * (predicted - sample.result);
  }
  return samples.empty() ? 0 : total / samples.size();
}

void Fit(const std::vector<Sample>& samples, std::array<double, FeatureCount>& w) {
  const std::array<double, FeatureCount> start = w;
  std::array<double, FeatureCount> m{}, v{};
  const double rate = 0.5;
  for (int step = 1; step <= 4000; ++step) {
    std::array<double, FeatureCount> gradient{};
    for (const Sample& sample : samples) {
      double value = 0;
      for (int i = 0; i < FeatureCount; ++i)
        value += w[i] * sample.features[i];
      const double predicted = 1.0 / (1.0 + std::exp(-value / Scale));
      const double slope = 2 * (predicted - sample.result) * predicted * (1 - predicted) / Scale;
      for (int i = 0; i < FeatureCount; ++i)
        gradient[i] += slope * sample.features[i];
    }
    for (int i = 0; i < FeatureCount; ++i) {
      const double g = gradient[i] / samples.size() + 2 * Anchor * (w[i] - start[i]);
      m[i] = 0.9 * m[i] + 0.1 * g;
      v[i] = 0.999 * v[i] + 0.001 * g * g;
      const double mHat = m[i] / (1 - std::pow(0.9, step));
      const double vHat = v[i] / (1 - std::pow(0.999, step));
      w[i] -= rate * mHat / (std::sqrt(vHat) + 1e-9);
    }
  }
}

EvaluationWeights ToWeights(const std::array<double, FeatureCount>& w) {
  EvaluationWeights weights{};
  for (int shape = FirstShape; shape <= LastShape; ++shape) {
    weights.moverShape[shape] = static_cast<std::int16_t>(std::lround(w[shape - FirstShape]));
    weights.waitingShape[shape] =
        static_cast<std::int16_t>(std::lround(-w[SideFeatures + shape - FirstShape]));
  }
  auto round = [](double value) { return static_cast<std::int16_t>(std::lround(value)); };
  for (int threat = FirstThreat; threat <= LastThreat; ++threat) {
    const int count = ShapeFeatures + threat - FirstThreat;
    const int has = count + ThreatFeatures;
    weights.moverThreat[threat] = round(w[count]);
    weights.waitingThreat[threat] = round(-w[SideFeatures + count]);
    weights.moverHas[threat] = round(w[has]);
    weights.waitingHas[threat] = round(-w[SideFeatures + has]);
  }
  return weights;
}

template <std::size_t N>
std::string List(const std::array<std::int16_t, N>& values) {
  std::string text = "{";
  for (std::size_t i = 0; i < N; ++i)
    text += (i == 0 ? "" : ", ") + std::to_string(values[i]);
  return text + "}";
}

// `own`: the rules learnt from games of their own.
void PrintHeader(const std::array<EvaluationWeights, RuleCount>& weights,
                 const std::array<bool, RuleCount>& own) {
  std::array<std::string, RuleCount> values;
  for (int rule = 0; rule < RuleCount; ++rule) {
    const EvaluationWeights& w = weights[rule];
    values[rule] = tune::Braced({List(w.moverShape), List(w.waitingShape), List(w.moverThreat),
                                 List(w.waitingThreat), List(w.moverHas), List(w.waitingHas)});
  }
  tune::PrintRuleHeader(
      {"strong/evaluation_weights.hpp",
       "// Written by tools/tune/tune_evaluation (docs/evaluation_tuning.md says how): the values "
       "the\n// strong search's static evaluation counts, for each rule, learnt from the results "
       "of games.",
       "EvaluationWeights",
       "Weights",
       "LearnedWeights",
       // Exactly five plays better with freestyle's values than with any set or learnt for it.
       {0, 0, 2, 0, 0},
       "// Indexed by GameRule. Exactly five, caro and caro with exactly five play with the values "
       "of\n// freestyle, which play exactly five better than the values set or learnt for it so "
       "far,\n// until games of their own are learnt from."},
      values, own);
}

}  // namespace
}  // namespace orvane::strong

int main(int argc, char** argv) {
  using namespace orvane;
  using namespace orvane::strong;
  std::array<std::vector<Sample>, RuleCount> training, checking;
  for (int i = 1; i < argc; ++i) {
    int index = 0;
    for (const tune::GameRecord& game : tune::ReadGames(argv[i])) {
      const int rule = static_cast<int>(game.rule);
      AddSamples(game, (index++ % 10 == 9 ? checking : training)[rule]);
    }
  }
  std::array<EvaluationWeights, RuleCount> learnt = LearnedWeights;
  for (int rule = 0; rule < RuleCount; ++rule) {
    if (training[rule].empty()) continue;
    std::array<double, FeatureCount> w = StartingWeights(LearnedWeights[rule]);
    const double before = Loss(checking[rule], w);
    Fit(training[rule], w);
    std::fprintf(stderr, "rule %d: %zu positions to learn from, %zu to check: loss %.5f -> %.5f\n",
                 rule, training[rule].size(), checking[rule].size(), before,
                 Loss(checking[rule], w));
    learnt[rule] = ToWeights(w);
  }
  std::array<bool, RuleCount> own{};
  for (int rule = 0; rule < RuleCount; ++rule)
    own[rule] = !training[rule].empty();
  PrintHeader(learnt, own);
  return 0;
}
