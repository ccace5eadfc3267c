#pragma once

#include <string>
#include <vector>

#include "patterns/board.hpp"
#include "patterns/game_rule.hpp"

namespace orvane::tune {

// A game as the match runner writes it in SGF: its rule, its board, how it ended and its moves.
struct GameRecord {
  GameRule rule = GameRule::Freestyle;
  int size = 15;
  double blackScore = 0.5;  // 1 black won, 0 white won, 0.5 a draw
  std::vector<int> moves;   // cells, black first
};

// The games of one file: the records between "(;" and ")" (RU[0|1|4], SZ[n], RE[B+..],
// RE[W+..] or a draw, and the moves ;B[xy] and ;W[xy]).
std::vector<GameRecord> ReadGames(const std::string& path);

// Calls visit(board, blackToMove, ply) for every position of the game before each of its
// moves, the board holding the side to move's stones as Own.
template <typename Visit>
void ForEachPosition(const GameRecord& game, Visit visit) {
  Board board = EmptyBoard({game.size, game.size});
  for (std::size_t ply = 0; ply < game.moves.size(); ++ply) {
    visit(board, ply % 2 == 0, static_cast<int>(ply));
    // The board keeps the side to move as Own: turn the stones over before the next move.
    board.cells[game.moves[ply]] = CellState::Own;
    for (CellState& cell : board.cells) {
      if (cell == CellState::Own)
        cell = CellState::Opponent;
      else if (cell == CellState::Opponent)
        cell = CellState::Own;
    }
  }
}

}  // namespace orvane::tune
