#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace quandrel {

// A missing slot is written under a temporary name first and then published under its own
// name. The temporary name says whose it is, so that one left behind by a killed process can
// be told apart from the user's files and removed.

// The name pattern for QTemporaryFile: the six X become random letters.
inline constexpr const char* kNewSlotTemplate = ".quandrel-new-slot-XXXXXX";

// A temporary this old belongs to no save in progress.
inline constexpr std::chrono::minutes kStaleAfter{1};

// Whether a file name is one that kNewSlotTemplate produces.
bool isNewSlotTemporaryName(const std::string& fileName);

// Removes our own temporaries in `directory` older than kStaleAfter. Nothing else is touched,
// and a failure only leaves a file where it was.
void removeStaleNewSlotTemporaries(const std::filesystem::path& directory);

} // namespace quandrel
