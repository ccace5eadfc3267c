#pragma once

#include <string_view>

namespace orvane::testing {

// The information banner as a manager sees it before the turn's budget is worked out: search
// depth 10 and a turn limit of 2850 hundredths.
inline constexpr std::string_view DefaultBanner =
    "Go-moku brain Orvane v1.6 2004\r\n"
    "settings: H10 K2.5 V12 P8.0 ST1-2700 ST2-0 AST1-660 AST2-200\r\n"
    "            Extremy:TRUE Utok:FALSE Vyhra1:TRUE Vyhra2:1\r\n"
    "defines: limit_turn:2850 limit_match-rozjezd:4 MSWINDOWS \r\n"
    "Written by the Orvane developers.\r\n"
    "\r\n"
    "Program works only with a go-moku manager.\r\n"
    "The file tah.dat, timeouts.dat or plocha.dat/pole.dat is probably missing in the "
    "directory.\r\n"
    "\r\n"
    "more info: README.md in the Orvane source tree\r\n";

}  // namespace orvane::testing
