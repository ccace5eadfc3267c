#include "rule_header.hpp"

#include <iostream>

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

// The rule whose values `rule` plays with: its own once learnt, else those of the rule it takes
// from, followed until a rule that keeps its own.
int SourceOf(const RuleHeader& header, const std::array<bool, RuleCount>& own, int rule) {
  const int from = header.takesFrom[rule];
  return own[rule] || from == rule ? rule : SourceOf(header, own, from);
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
  std::cout << "\n"
            << header.tableComment << "\ninline constexpr std::array<" << header.type << ", "
            << RuleCount << "> " << header.table << "{" << table
            << "};\n\n}  // namespace orvane::strong\n";
}

}  // namespace orvane::tune
