#pragma once

#include "SlotFacts.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace quandrel {

// Why a slot file could not be read: the system's reason, or what is wrong with the file.
class SlotReadError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The first field of a slot file (blanks skipped, up to a comma or the line end, quotes
// removed). Only regular files are read, and only their first kSlotReadLimit bytes.
std::string readFirstField(const std::filesystem::path& path);

// The bytes of a slot file that a load reads: up to the first line end, at most kSlotReadLimit.
// Only regular files are read.
std::string readSlotContents(const std::filesystem::path& path);

} // namespace quandrel
