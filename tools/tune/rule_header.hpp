#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvane::tune {

constexpr int RuleCount = 5;

// What a tuner's generated header says about its values: the header of their type, the comment
// on where they come from, the type, the suffix of each rule's constant (FreestyleWeights), the
// name of the table indexed by GameRule, and what caro does with freestyle's values ("play with").
// With `exactFiveFromFreestyle`, exactly five too takes freestyle's values until it is learnt
// from games of its own.
struct RuleHeader {
  std::string include;
  std::string about;
  std::string type;
  std::string suffix;
  std::string table;
  std::string fallback;
  bool exactFiveFromFreestyle = false;
};

// The lists of one rule's values as one braced initialiser: {a, b, c}.
std::string Braced(const std::vector<std::string>& lists);

// Prints the header to standard output: a constant for each rule learnt from games of its own
// (`own`), from its braced initialiser, and the table of all rules, where caro and caro with
// exactly five name the values of freestyle and of exactly five (or freestyle's, see above)
// until they are learnt too.
void PrintRuleHeader(const RuleHeader& header, const std::array<std::string, RuleCount>& values,
                     const std::array<bool, RuleCount>& own);

}  // namespace orvane::tune
