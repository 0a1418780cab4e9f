#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace quandrel {

// Why a slot file could not be read: the system's reason, or what is wrong with the file.
class SlotReadError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bytes of a slot file that a read looks at, at the most: the first field is all it needs.
inline constexpr std::size_t kSlotReadLimit = 64 * 1024;

// The first field of a slot file (blanks skipped, up to a comma or the line end, quotes
// removed). Only regular files are read, and only their first kSlotReadLimit bytes.
std::string readFirstField(const std::filesystem::path& path);

} // namespace quandrel
