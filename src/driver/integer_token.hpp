#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

struct IntegerConversion {
  std::int32_t value = 0;
  std::int32_t error = 0;  // 0, or the code of invalid numeric input
};

// Converts one token of "timeouts.dat": an optional sign and decimal digits, or a hexadecimal
// number after "$", "x" or "0x" (either case, no sign). A token that is not a well-formed signed
// 32-bit integer gives the error; when a byte that is not a digit stops the conversion, the value
// is that of the digits before it, without the sign ("5.5" gives 5, "-7a" gives 7). A value that
// would overflow stops at the digits before the one that overflows it.
IntegerConversion ConvertIntegerToken(std::string_view token);

}  // namespace orvane
