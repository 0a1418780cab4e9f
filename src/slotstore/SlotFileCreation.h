#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quandrel {

// Creates the file at `path` holding `bytes`, unless a file of that name exists in any form
// (a dangling link included), which is never touched. The bytes are written to a temporary
// file first and published under the exact name only if it is still free, so a reader sees
// either no file or a whole one, even when two programs create the same file at once.
// Returns the system's reason when the file could not be created, and nothing when it was
// created or already existed.
std::optional<std::string> createSlotFileIfMissing(const std::filesystem::path& path, std::string_view bytes);

} // namespace quandrel
