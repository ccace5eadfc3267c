// Learns the strong search's move order from the moves of strong games: in every quiet position
// of the games, each cell the search would weigh is a row of features (how many of its lines
// take part in each shape and which threat a stone there makes, for the side to move and for
// the other, and how far it lies from the last stone of each side), and the move played is the
// one to pick. A softmax over the cells of a position is fitted to the moves played (Adam, full
// batch); a tenth of the games is kept apart, on which it prints how often the move played is
// among the first 1, 3, 8 and 16 cells of the order in use and of the learnt one. The learnt
// values of every rule are printed as the header src/strong/learnt_policy.hpp.
//
// Usage: orvane_tune_policy GAMES.sgf... > src/strong/learnt_policy.hpp
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "game_records.hpp"
#include "rule_header.hpp"
#include "strong/evaluation.hpp"
#include "strong/strong_board.hpp"
#include "strong/threat_cells.hpp"

namespace orvane::strong {
namespace {

using tune::RuleCount;
constexpr int FirstPly = 5;
// The order's units in a logit of the softmax.
constexpr double Scale = 100.0;
constexpr int ShapeFeatures = LineShapeCount;
constexpr int ThreatFeatures = ThreatCount;
constexpr int SideFeatures = ShapeFeatures + ThreatFeatures;
constexpr int DistanceBins = 5;  // 1, 2, 3, 4, and 5 or more cells away
constexpr int FeatureCount = 2 * SideFeatures + 2 * DistanceBins;
constexpr Threat QuietThreats[] = {Threat::Minor, Threat::Three, Threat::DoubleThree, Threat::Four,
                                   Threat::FourThree};

struct Candidate {
  std::array<float, FeatureCount> features{};
  int order = 0;  // the order in use
};

struct Choice {
  std::vector<Candidate> candidates;
  int played = -1;  // the index of the move played
};

Candidate Describe(const StrongBoard& board, int cell, int lastOther, int lastOwn) {
  Candidate candidate;
  for (int side = 0; side < 2; ++side) {
    const Side who = side == 0 ? Side::Own : Side::Opponent;
    float* row = candidate.features.data() + side * SideFeatures;
    for (int direction = 0; direction < DirectionCount; ++direction)
      row[static_cast<int>(board.shape(who, cell, direction))] += 1;
    row[ShapeFeatures + static_cast<int>(board.threat(who, cell))] = 1;
  }
  if (lastOther >= 0) candidate.features[2 * SideFeatures + NearnessOf(lastOther, cell)] = 1;
  if (lastOwn >= 0)
    candidate.features[2 * SideFeatures + DistanceBins + NearnessOf(lastOwn, cell)] = 1;
  candidate.order = CellOrder(board, Side::Own, cell, lastOther, lastOwn);
  return candidate;
}

// The quiet positions of a game (no five to make or block, no threat of the other side's to
// answer), each with the cells the search weighs there, when the move played is one of them.
void AddPositions(const tune::GameRecord& game, std::vector<Choice>& positions, int& missed) {
  tune::ForEachPosition(game, [&](const Board& board, bool blackToMove, int ply) {
    if (ply < FirstPly) return;
    StrongBoard strong(board, RuleLines(game.rule, blackToMove));
    if (FiveCell(strong, Side::Own) >= 0 || FiveCell(strong, Side::Opponent) >= 0 ||
        WinningFourCell(strong, Side::Own) >= 0 || MenaceOf(strong, Side::Opponent) != Menace::None)
      return;
    CellBits quiet;
    for (Threat threat : QuietThreats) {
      quiet |= strong.cellsWith(Side::Own, threat);
      quiet |= strong.cellsWith(Side::Opponent, threat);
    }
    Choice position;
    const int lastOther = game.moves[ply - 1];
    const int lastOwn = game.moves[ply - 2];
    quiet.forEach([&](int cell) {
      if (strong.isForbidden(Side::Own, cell)) return;
      if (cell == game.moves[ply]) position.played = static_cast<int>(position.candidates.size());
      position.candidates.push_back(Describe(strong, cell, lastOther, lastOwn));
    });
    if (position.played < 0) {
      ++missed;
      return;
    }
    positions.push_back(std::move(position));
  });
}

double Score(const Candidate& candidate, const std::array<double, FeatureCount>& w) {
  double value = 0;
  for (int i = 0; i < FeatureCount; ++i)
    value += w[i] * candidate.features[i];
  return value;
}

// How often the move played is among the first 1, 3, 8 and 16 cells by `score`.
template <typename ScoreOf>
std::array<double, 4> Accuracy(const std::vector<Choice>& positions, ScoreOf score) {
  constexpr int Tops[] = {1, 3, 8, 16};
  std::array<double, 4> hits{};
  for (const Choice& position : positions) {
    const double played = score(position.candidates[position.played]);
    // Cells of the same score as the move played share its place: half of them count before it.
    double before = -0.5;
    for (const Candidate& candidate : position.candidates)
      before += score(candidate) > played ? 1.0 : score(candidate) == played ? 0.5 : 0.0;
    for (int i = 0; i < 4; ++i)
      hits[i] += before < Tops[i];
  }
  for (double& hit : hits)
    hit /= std::max<std::size_t>(positions.size(), 1);
  return hits;
}

void Fit(const std::vector<Choice>& positions, std::array<double, FeatureCount>& w) {
  std::array<double, FeatureCount> m{}, v{};
  const double rate = 0.05;
  std::vector<double> scores;
  for (int step = 1; step <= 400; ++step) {
    std::array<double, FeatureCount> gradient{};
    for (const Choice& position : positions) {
      scores.resize(position.candidates.size());
      double top = -1e300;
      for (std::size_t i = 0; i < scores.size(); ++i) {
        scores[i] = Score(position.candidates[i], w);
        top = std::max(top, scores[i]);
      }
      double sum = 0;
      for (double& score : scores)
        sum += (score = std::exp(score - top));
      for (std::size_t i = 0; i < scores.size(); ++i) {
        const double p = scores[i] / sum - (static_cast<int>(i) == position.played ? 1 : 0);
        for (int f = 0; f < FeatureCount; ++f)
          gradient[f] += p * position.candidates[i].features[f];
      }
    }
    for (int i = 0; i < FeatureCount; ++i) {
      const double g = gradient[i] / positions.size() + 1e-4 * w[i];
      m[i] = 0.9 * m[i] + 0.1 * g;
      v[i] = 0.999 * v[i] + 0.001 * g * g;
      const double mHat = m[i] / (1 - std::pow(0.9, step));
      const double vHat = v[i] / (1 - std::pow(0.999, step));
      w[i] -= rate * mHat / (std::sqrt(vHat) + 1e-9);
    }
  }
}

void Print(const char* what, const std::array<double, 4>& hits) {
  std::fprintf(stderr, "  %-10s top 1 %5.1f %%, 3 %5.1f %%, 8 %5.1f %%, 16 %5.1f %%\n", what,
               100 * hits[0], 100 * hits[1], 100 * hits[2], 100 * hits[3]);
}

// The values `w[first]` onwards, `count` of them, in the order's units, as a braced list.
std::string List(const std::array<double, FeatureCount>& w, int first, int count) {
  std::string text = "{";
  for (int i = 0; i < count; ++i)
    text += (i == 0 ? "" : ", ") + std::to_string(std::lround(w[first + i] * Scale));
  return text + "}";
}

// `own`: the rules learnt from games of their own.
void PrintHeader(const std::array<std::array<double, FeatureCount>, RuleCount>& weights,
                 const std::array<bool, RuleCount>& own) {
  std::array<std::string, RuleCount> values;
  for (int rule = 0; rule < RuleCount; ++rule) {
    const auto& w = weights[rule];
    values[rule] = tune::Braced({List(w, 0, ShapeFeatures), List(w, ShapeFeatures, ThreatFeatures),
                                 List(w, SideFeatures, ShapeFeatures),
                                 List(w, SideFeatures + ShapeFeatures, ThreatFeatures),
                                 List(w, 2 * SideFeatures, DistanceBins),
                                 List(w, 2 * SideFeatures + DistanceBins, DistanceBins)});
  }
  tune::PrintRuleHeader(
      {"strong/policy_weights.hpp",
       "// Written by tools/tune/tune_policy (docs/evaluation_tuning.md says how): the values the "
       "strong\n// search orders a node's cells by, for each rule, learnt from the moves of strong "
       "games.",
       "PolicyWeights",
       "Policy",
       "LearnedPolicies",
       {0, 1, 2, 0, 1},
       "// Indexed by GameRule. Caro, and caro with exactly five, order by the values of freestyle "
       "and of\n// exactly five until games of their own are learnt from."},
      values, own);
}

}  // namespace
}  // namespace orvane::strong

int main(int argc, char** argv) {
  using namespace orvane;
  using namespace orvane::strong;
  std::array<std::vector<Choice>, RuleCount> training, checking;
  std::array<int, RuleCount> missed{};
  for (int i = 1; i < argc; ++i) {
    int index = 0;
    for (const tune::GameRecord& game : tune::ReadGames(argv[i])) {
      const int rule = static_cast<int>(game.rule);
      AddPositions(game, (index++ % 10 == 9 ? checking : training)[rule], missed[rule]);
    }
  }
  std::array<std::array<double, FeatureCount>, RuleCount> learnt{};
  std::array<bool, RuleCount> own{};
  for (int rule = 0; rule < RuleCount; ++rule) {
    if (training[rule].empty()) continue;
    own[rule] = true;
    std::array<double, FeatureCount>& w = learnt[rule];
    Fit(training[rule], w);
    std::fprintf(stderr,
                 "rule %d: %zu positions to learn from, %zu to check, %d moves off the list\n",
                 rule, training[rule].size(), checking[rule].size(), missed[rule]);
    Print("in use", Accuracy(checking[rule], [](const Candidate& c) { return c.order; }));
    Print("learnt", Accuracy(checking[rule], [&](const Candidate& c) { return Score(c, w); }));
  }
  PrintHeader(learnt, own);
  return 0;
}
