#include <benchmark/benchmark.h>

#include "patterns/cell_evaluation.hpp"

namespace {

void BM_InitialiseEmptyMap(benchmark::State& state) {
  orvane::Position position;
  for (auto _ : state) {
    orvane::InitialisePatternMap(position.map, position.board);
    benchmark::DoNotOptimize(position.map);
  }
}
BENCHMARK(BM_InitialiseEmptyMap);

}  // namespace

BENCHMARK_MAIN();
