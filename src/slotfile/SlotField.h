#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quandrel {

// The first field of a slot file's contents: blanks before it skipped; it ends at a comma or
// at the line end (CR LF, or a lone LF); a field that opens with a double quote runs to the
// next one and is taken without the quotes. Nothing at all (an empty file) gives no field.
std::optional<std::string> firstSlotField(std::string_view contents);

} // namespace quandrel
