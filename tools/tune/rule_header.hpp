#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvane::tune {

constexpr int RuleCount = 5;

// What a tuner's generated header says about its values: the header of their type, the comment
// on where they come from, the type, the suffix of each rule's constant (FreestyleWeights), the
// name of the table indexed by GameRule, the rule whose values each rule takes until it is learnt
// from games of its own (itself: its values in use), and the comment above the table that says so.
struct RuleHeader {
  std::string include;
  std::string about;
  std::string type;
  std::string suffix;
  std::string table;
  std::array<int, RuleCount> takesFrom;
  std::string tableComment;
};

// The lists of one rule's values as one braced initialiser: {a, b, c}.
std::string Braced(const std::vector<std::string>& lists);

// Prints the header to standard output: a constant for each rule that plays with values of its
// own (learnt from its games, `own`, or kept from those in use), from its braced initialiser, and
// the table of all rules, where each of the others names the values it takes.
void PrintRuleHeader(const RuleHeader& header, const std::array<std::string, RuleCount>& values,
                     const std::array<bool, RuleCount>& own);

}  // namespace orvane::tune
