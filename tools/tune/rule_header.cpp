#include "rule_header.hpp"

#include <iostream>

#include "patterns/game_rule.hpp"

namespace orvane::tune {

std::string Braced(const std::vector<std::string>& lists) {
  std::string text = "{";
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (i > 0) text += ", ";
    text += lists[i];
  }
  return text + "}";
}

void PrintRuleHeader(const RuleHeader& header, const std::array<std::string, RuleCount>& values,
                     const std::array<bool, RuleCount>& own) {
  static const char* const Names[RuleCount] = {"Freestyle", "ExactFive", "Renju", "Caro",
                                               "CaroExactFive"};
  std::cout << "#pragma once\n\n#include <array>\n\n#include \"" << header.include << "\"\n\n"
            << header.about << "\n\nnamespace orvane::strong {\n\n";
  std::string table;
  for (int rule = 0; rule < RuleCount; ++rule) {
    const bool caro = rule == static_cast<int>(GameRule::Caro) ||
                      rule == static_cast<int>(GameRule::CaroExactFive);
    const int source = caro && !own[rule] ? rule - static_cast<int>(GameRule::Caro) : rule;
    table += std::string(rule == 0 ? "" : ", ") + Names[source] + header.suffix;
    if (source != rule) continue;
    std::cout << "inline constexpr " << header.type << " " << Names[rule] << header.suffix
              << values[rule] << ";\n";
  }
  std::cout << "\n// Indexed by GameRule. Caro, and caro with exactly five, " << header.fallback
            << " the values of freestyle and of\n// exactly five until games of their own are "
               "learnt from.\ninline constexpr std::array<"
            << header.type << ", " << RuleCount << "> " << header.table << "{" << table
            << "};\n\n}  // namespace orvane::strong\n";
}

}  // namespace orvane::tune
