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

namespace {

// The rule whose values `rule` plays with: its own once learnt, else caro's plain rule's, and
// exactly five's freestyle's when the header says so.
int SourceOf(const RuleHeader& header, const std::array<bool, RuleCount>& own, int rule) {
  if (own[rule]) return rule;
  if (rule == static_cast<int>(GameRule::Caro) || rule == static_cast<int>(GameRule::CaroExactFive))
    return SourceOf(header, own, rule - static_cast<int>(GameRule::Caro));
  if (rule == static_cast<int>(GameRule::ExactFive) && header.exactFiveFromFreestyle)
    return static_cast<int>(GameRule::Freestyle);
  return rule;
}

}  // namespace

void PrintRuleHeader(const RuleHeader& header, const std::array<std::string, RuleCount>& values,
                     const std::array<bool, RuleCount>& own) {
  static const char* const Names[RuleCount] = {"Freestyle", "ExactFive", "Renju", "Caro",
                                               "CaroExactFive"};
  std::cout << "#pragma once\n\n#include <array>\n\n#include \"" << header.include << "\"\n\n"
            << header.about << "\n\nnamespace orvane::strong {\n\n";
  std::string table;
  for (int rule = 0; rule < RuleCount; ++rule) {
    const int source = SourceOf(header, own, rule);
    table += std::string(rule == 0 ? "" : ", ") + Names[source] + header.suffix;
    if (source != rule) continue;
    std::cout << "inline constexpr " << header.type << " " << Names[rule] << header.suffix
              << values[rule] << ";\n";
  }
  if (header.exactFiveFromFreestyle) {
    std::cout << "\n// Indexed by GameRule. Exactly five, caro and caro with exactly five "
              << header.fallback
              << " the values of\n// freestyle, which play exactly five better than the values "
                 "set or learnt for it so far,\n// until games of their own are learnt from.\n";
  } else {
    std::cout << "\n// Indexed by GameRule. Caro, and caro with exactly five, " << header.fallback
              << " the values of freestyle and of\n// exactly five until games of their own are "
                 "learnt from.\n";
  }
  std::cout << "inline constexpr std::array<" << header.type << ", " << RuleCount << "> "
            << header.table << "{" << table << "};\n\n}  // namespace orvane::strong\n";
}

}  // namespace orvane::tune
