#pragma once

#include "PasswordFields.h"
#include "Repair.h"

#include <string_view>
#include <vector>

namespace quandrel {

// What a correction changes in the game state. When the typed password decodes, the fields that
// differ between it and the correction (none for a checksum-only correction). When it does not
// (an invalid symbol), or the correction has another length, the fields that the corrected
// characters carry, each once, with `before` empty and `after` its value in the correction.
std::vector<FieldChange> repairEffect(std::string_view typed, const Repair& repair);

} // namespace quandrel
