#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "driver/io_channel.hpp"
#include "driver/move_files.hpp"
#include "support/board_file_text.hpp"
#include "support/board_rows.hpp"
#include "support/board_text.hpp"
#include "support/memory_file_system.hpp"

namespace orvane {
namespace {

using testing::BoardAsRows;
using testing::BoardFileText;
using testing::BoardFromRows;
using testing::Cells;
using Operation = testing::MemoryFileSystem::Operation;

// `board` with every cell from linear index `first` on set to `state`.
Board WithCellsFrom(Board board, int first, CellState state) {
  for (int index = first; index < CellCount; ++index)
    board.cells[index] = state;
  return board;
}

struct BoardFileCase {
  const char* name;
  std::uint8_t ownSymbol;
  std::string text;
  Board expected;

  friend void PrintTo(const BoardFileCase& c, std::ostream* os) { *os << c.name; }
};

class ReadBoardTest : public ::testing::TestWithParam<BoardFileCase> {};

TEST_P(ReadBoardTest, FillsTheBoardCellByCell) {
  const BoardFileCase& c = GetParam();
  testing::MemoryFileSystem files;
  files.files[std::string(BoardFileName)] = c.text;
  IoChannel channel(files);
  channel.openForReading(BoardFileName);
  ASSERT_EQ(channel.takePendingError(), 0);

  Board board;
  ReadBoard(channel, c.ownSymbol, board);

  EXPECT_EQ(BoardAsRows(board), BoardAsRows(c.expected));
  EXPECT_EQ(channel.pendingError(), 0);
}

constexpr std::uint8_t EmptyMoveFileSymbol = EndOfFileCode;
const Board SmallPosition = BoardFromRows({"XO", "-O"});

INSTANTIATE_TEST_SUITE_P(
    FileShapes, ReadBoardTest,
    ::testing::Values(
        BoardFileCase{"CrLfLineEnds", 'x', BoardFileText({Cells("xo"), Cells("-X")}, {}),
                      SmallPosition},
        BoardFileCase{"LfLineEnds", 'x',
                      BoardFileText({Cells("xo"), Cells("-X")}, {.lineEnd = "\n"}), SmallPosition},
        BoardFileCase{"CapitalOwnSymbol", 'X', BoardFileText({Cells("xo"), Cells("-X")}, {}),
                      BoardFromRows({"OO", "-X"})},
        BoardFileCase{"DashOwnSymbolGivesNoOwnStones", '-',
                      BoardFileText({Cells("xo"), Cells("-X")}, {}), BoardFromRows({"OO", "-O"})},
        BoardFileCase{"EmptyMoveFileGivesOpponentStonesOnly", EmptyMoveFileSymbol,
                      BoardFileText({Cells("xo"), Cells("-X")}, {}), BoardFromRows({"OO", "-O"})},
        BoardFileCase{"LongLineRestSkipped", 'x',
                      BoardFileText({Cells("") + "xxxxx", Cells("x")}, {}),
                      BoardFromRows({"", "X"})},
        // Row 0 takes the line end and the first byte of the next line; the rest of that line is
        // skipped, and row 19 falls after the end of the file.
        BoardFileCase{
            "ShortLineShiftsLaterLines", 'x',
            BoardFileText({std::string(17, '-'), Cells("x", 'x'), Cells("-x")}, {}),
            WithCellsFrom(BoardFromRows({"-----------------OOX", "-X"}), 380, CellState::Opponent)},
        BoardFileCase{"NineteenLinesLastRowOpponent", 'x',
                      BoardFileText({Cells("xo")}, {.lineCount = 19}),
                      WithCellsFrom(BoardFromRows({"XO"}), 380, CellState::Opponent)},
        BoardFileCase{"NineteenLinesLastRowOwnForEmptyMoveFile", EmptyMoveFileSymbol,
                      BoardFileText({Cells("xo")}, {.lineCount = 19}),
                      WithCellsFrom(BoardFromRows({"OO"}), 380, CellState::Own)},
        BoardFileCase{"EndCodeEndsTheFile", 'x', BoardFileText({Cells("x\x1a")}, {}),
                      WithCellsFrom(BoardFromRows({"X"}), 1, CellState::Opponent)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadBoardFailureTest, ReadFailureEndsTheFileForGood) {
  testing::MemoryFileSystem files;
  files.files[std::string(BoardFileName)] = BoardFileText({Cells("x")}, {});
  files.failures = {{Operation::Read, std::string(BoardFileName), 3, 1029}};
  IoChannel channel(files);
  channel.openForReading(BoardFileName);
  ASSERT_EQ(channel.takePendingError(), 0);

  Board board;
  ReadBoard(channel, 'x', board);

  EXPECT_EQ(BoardAsRows(board),
            BoardAsRows(WithCellsFrom(BoardFromRows({"X-"}), 2, CellState::Opponent)));
  EXPECT_EQ(channel.pendingError(), 1029);
  EXPECT_EQ(files.count(Operation::Read, BoardFileName), 3);
}

}  // namespace
}  // namespace orvane
