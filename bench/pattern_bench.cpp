// Microbenchmarks of the line patterns' innermost operations on mid-game positions read from the
// bundled manager files: one trial stone (place, save, update, lift, restore), the map's full
// initialisation and the evaluation of one cell. Each benchmark takes the position's number as
// its argument and shows the position's directory as its label.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "patterns/cell_evaluation.hpp"
#include "search/search_position.hpp"

namespace {

using namespace orvane;

const std::filesystem::path PositionsDir =
    std::filesystem::path(__FILE__).parent_path() / "positions";

// From an early middle game (27 stones) to a crowded one (134 stones).
const std::vector<std::string> PositionNames = {"sp1_g001_p025", "sp1_g001_p046", "sp2_g002_p062",
                                                "sp2_g002_p131"};

struct Cell {
  int x;
  int y;
};

// A bundled position: its board, the map the driver would build, and the empty cells within two
// of a stone (the cells a search tries).
struct BenchPosition {
  Position position;
  std::vector<Cell> nearCells;
};

// "tah.dat" names the own stone symbol; in "plocha.dat" "-" is empty and any other symbol the
// opponent's.
bool ReadBoard(const std::filesystem::path& directory, Board& board) {
  std::ifstream moveFile(directory / "tah.dat");
  std::ifstream boardFile(directory / "plocha.dat");
  const int ownSymbol = moveFile.get();
  std::string row;
  for (int y = 0; y < BoardSide; ++y) {
    if (!std::getline(boardFile, row) || row.size() < BoardSide) return false;
    for (int x = 0; x < BoardSide; ++x) {
      if (row[x] == '-') continue;
      board.set(x, y, row[x] == ownSymbol ? CellState::Own : CellState::Opponent);
    }
  }
  return moveFile.good();
}

bool HasStoneWithinTwo(const Board& board, int x, int y) {
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (isOnBoard(x + dx, y + dy) && board.at(x + dx, y + dy) != CellState::Empty) return true;
  return false;
}

bool LoadPosition(benchmark::State& state, BenchPosition& bench) {
  const std::string& name = PositionNames[state.range(0)];
  state.SetLabel(name);
  if (!ReadBoard(PositionsDir / name, bench.position.board)) {
    state.SkipWithError(("cannot read position " + name).c_str());
    return false;
  }
  InitialisePatternMap(bench.position.map, bench.position.board);
  const Board& board = bench.position.board;
  for (int y = 0; y < BoardSide; ++y)
    for (int x = 0; x < BoardSide; ++x)
      if (board.at(x, y) == CellState::Empty && HasStoneWithinTwo(board, x, y))
        bench.nearCells.push_back({x, y});
  return true;
}

// One trial stone as the search handles it, the lines and the cells' scores included, cycling
// over the cells near stones and alternating the side of the stone.
void BM_TrialStone(benchmark::State& state) {
  BenchPosition bench;
  if (!LoadPosition(state, bench)) return;
  SearchPosition position(bench.position);
  TrialStoneSave save;
  std::size_t next = 0;
  for (auto _ : state) {
    const Cell cell = bench.nearCells[next % bench.nearCells.size()];
    position.placeStone(cell.x, cell.y, next % 2 == 0 ? CellState::Own : CellState::Opponent,
                        BothSides, save);
    benchmark::DoNotOptimize(bench.position.map);
    position.liftStone(cell.x, cell.y, save);
    benchmark::ClobberMemory();
    ++next;
  }
}
BENCHMARK(BM_TrialStone)->DenseRange(0, 3);

void BM_InitialisePatternMap(benchmark::State& state) {
  BenchPosition bench;
  if (!LoadPosition(state, bench)) return;
  for (auto _ : state) {
    InitialisePatternMap(bench.position.map, bench.position.board);
    benchmark::DoNotOptimize(bench.position.map);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_InitialisePatternMap)->DenseRange(0, 3);

// The four codes of one empty cell, cycling over the cells near stones.
void BM_FullCellEvaluation(benchmark::State& state) {
  BenchPosition bench;
  if (!LoadPosition(state, bench)) return;
  CellCodes entry;
  std::size_t next = 0;
  for (auto _ : state) {
    const Cell cell = bench.nearCells[next++ % bench.nearCells.size()];
    FullCellEvaluation(entry, bench.position.board, cell.x, cell.y);
    benchmark::DoNotOptimize(entry);
  }
}
BENCHMARK(BM_FullCellEvaluation)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
