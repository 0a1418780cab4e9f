#pragma once

#include <string>
#include <string_view>

namespace quandrel {

// The six conversions between symbols, bit texts ("0"/"1", most significant first) and numbers,
// routine by routine: the slow, plain reference that the program's packed encoders are checked against.
// Each is a pure function. Arguments outside a routine's domain give the documented neutral
// result (empty text or 0); a symbol missing from its alphabet or a negative number throws
// InvalidArgument.

// Five-character bit text of symbol `bait` at position `bitnr` (1 to 4); empty for another position.
std::string baittobin(std::string_view bait, int bitnr);

// The symbol at position `bitnr` (1 to 4) for a five-character bit text; empty for another position.
std::string makebyte(std::string_view bin5, int bitnr);

// 0 to 31 for a five-character bit text; 0 for anything else.
int makedec5(std::string_view invoer);

// Five-character bit text of 0 to 31; empty from 32 on.
std::string makebin5(int invoer);

// 0 to 9 for a four-character digit code; 0 for anything else, "1010" to "1111" included.
int makedec4(std::string_view invoer);

// Four-character bit text of a digit 0 to 9; empty from 10 on.
std::string makebin4(int invoer);

} // namespace quandrel
