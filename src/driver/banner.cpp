#include "driver/banner.hpp"

#include "search/search_settings.hpp"

namespace orvane {

namespace {

// A fraction in fixed-point notation with one digit after the point: 5/2 gives "2.5".
std::string oneDecimal(Fraction value) {
  const std::int32_t tenths = value.numerator * 10 / value.denominator;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

std::string InformationBanner(const Budget& budget) {
  const std::string lines[] = {
      "Go-moku brain Orvane v1.6 2004",
      "settings: H" + std::to_string(budget.searchDepth) + " K" + oneDecimal(settings::K) + " V" +
          std::to_string(settings::V) + " P" + oneDecimal(settings::P) + " ST1-" +
          std::to_string(settings::ST1) + " ST2-" + std::to_string(settings::ST2) + " AST1-" +
          std::to_string(settings::AST1) + " AST2-" + std::to_string(settings::AST2),
      "            Extremy:TRUE Utok:FALSE Vyhra1:TRUE Vyhra2:1",
      "defines: limit_turn:" + std::to_string(budget.turnLimit) +
          " limit_match-rozjezd:4 MSWINDOWS ",
      "Written by the Orvane developers.",
      "",
      "Program works only with a go-moku manager.",
      "The file tah.dat, timeouts.dat or plocha.dat/pole.dat is probably missing in the directory.",
      "",
      "more info: README.md in the Orvane source tree",
  };
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

}  // namespace orvane
