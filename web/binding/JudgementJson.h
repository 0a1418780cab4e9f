#pragma once

#include <string>
#include <string_view>

namespace quandrel::web {

// The entry dialog's whole judgement of a typed password (UTF-8), as JSON, for the page to draw:
// the password as the codec reads it; whether it loads and whether its checksum matches; the
// characters in groups of four as [text, mark] with mark "", "invalid" or "surplus"; the places
// not valid; the dialog's sentences; and the corrections, best first, each with the password,
// its groups, its changes and their effect.
std::string judgementJson(std::string_view typed);

} // namespace quandrel::web
