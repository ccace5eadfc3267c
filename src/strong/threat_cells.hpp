#pragma once

#include "strong/move_list.hpp"
#include "strong/strong_board.hpp"

namespace orvane::strong {

// The threats of one side as cells: where it wins, where it makes fours, and where the other
// side must answer it. Black in renju never counts on a cell it may not play.

// A cell where `side` makes a five, or -1.
int FiveCell(const StrongBoard& board, Side side);

// A cell where `side` makes a straight four or two fours and may play, or -1: the next stone
// after it makes five whatever the reply.
int WinningFourCell(StrongBoard& board, Side side);

// Adds the cells where `side` makes a four (with or without a three) and may play.
void AddFourCells(StrongBoard& board, Side side, MoveList& moves);
// Adds the cells where `side` makes a three (one or two) and may play.
void AddThreeCells(StrongBoard& board, Side side, MoveList& moves);

// What `attacker` threatens to win by in two or three moves of its own, the strongest first.
enum class Menace : std::uint8_t { None, DoubleThree, FourThree, WinningFour };
Menace MenaceOf(StrongBoard& board, Side attacker);

// Adds the cells where `defender` may stop the attacker's menace: the menacing cells themselves
// and the empty cells of their lines that take part in the threat (for a straight four to come,
// the cells where the attacker would make a four on that line; for a four with a three or two
// threes, every empty cell of those lines within reach).
void AddDefenceCells(StrongBoard& board, Side attacker, Menace menace, MoveList& moves);

}  // namespace orvane::strong
