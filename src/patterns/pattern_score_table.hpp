#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace orvane {

// Worth of one window shape: `first` to the side that blocks it, `second` to the side that owns it.
struct PatternScore {
  std::uint16_t first = 0;
  std::uint16_t second = 0;

  friend constexpr bool operator==(const PatternScore&, const PatternScore&) = default;
};

inline constexpr int PatternScoreCount = 224;

namespace pattern_table_detail {

// Table index of a window written as its cells in walk order ("0011100"): the earliest cell is the
// highest bit. Five-cell windows index 0..31, six-cell 32 + pattern, seven-cell 96 + pattern.
constexpr int windowIndex(std::string_view cells) {
  int pattern = 0;
  for (char cell : cells)
    pattern = pattern * 2 + (cell == '1' ? 1 : 0);
  switch (cells.size()) {
    case 5:
      return pattern;
    case 6:
      return 32 + pattern;
    default:
      return 96 + pattern;
  }
}

using Table = std::array<PatternScore, PatternScoreCount>;

constexpr void give(Table& table, PatternScore score,
                    std::initializer_list<std::string_view> windows) {
  for (std::string_view window : windows)
    table[windowIndex(window)] = score;
}

constexpr Table build() {
  Table t{};
  // Five-cell windows.
  give(t, {1, 2}, {"00101", "01001", "01010", "10001", "10010", "10100"});  // two stones apart
  give(t, {2, 3}, {"00011", "00110", "01100", "11000"});                    // two adjacent stones
  give(t, {5, 7},  // every pattern with three stones
       {"00111", "01011", "01101", "01110", "10011", "10101", "10110", "11001", "11010", "11100"});
  give(t, {25, 200}, {"01111", "10111", "11011", "11101", "11110"});  // four
  give(t, {14500, 65000}, {"11111"});                                 // five

  // Six-cell windows.
  give(t, {1, 2}, {"000101", "001001", "010001", "100010", "100100", "101000"});
  give(t, {2, 3}, {"000011", "100011", "100101", "101001", "110000", "110001"});
  give(t, {4, 6}, {"000110", "001010", "001100", "010010", "010100", "011000"});
  give(t, {5, 7},
       {"000111", "001011", "001101", "010011", "010101", "011001", "100110", "100111", "101010",
        "101011", "101100", "101101", "110010", "110011", "110100", "110101", "111000", "111001"});
  give(t, {19, 135}, {"001110", "011100"});  // open three
  give(t, {19, 140}, {"010110", "011010"});  // split three
  give(t, {25, 200},
       {"001111", "010111", "011011", "011101", "101110", "101111", "110110", "110111", "111010",
        "111011", "111100", "111101"});                     // four
  give(t, {700, 3200}, {"011110"});                         // open four
  give(t, {14500, 65000}, {"011111", "111110", "111111"});  // five, six in a row counting as five

  // Seven-cell windows.
  give(t, {5, 7}, {"0001100", "0011000"});
  give(t, {4, 6}, {"0010100"});
  give(t, {20, 150}, {"0011100"});    // open three with two free cells on each side
  give(t, {700, 3200}, {"1011101"});  // a stone on either gap makes five
  return t;
}

}  // namespace pattern_table_detail

inline constexpr pattern_table_detail::Table PatternScoreTable = pattern_table_detail::build();

}  // namespace orvane
