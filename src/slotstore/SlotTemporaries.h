#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace quandrel {

// A slot is written under a temporary name first and then published under its own name. The
// temporary name says whose it is, so that one left behind by a killed process can be told
// apart from the user's files (a "sgame01.txt.backup", say) and removed.

// The name patterns: the six X become random letters and digits. A missing slot is written to
// the first, a new password for an existing slot to the second.
inline constexpr const char* kNewSlotTemplate = ".quandrel-new-slot-XXXXXX";
inline constexpr const char* kSavedSlotTemplate = ".quandrel-saved-slot-XXXXXX";

// A temporary this old belongs to no save in progress.
inline constexpr std::chrono::minutes kStaleAfter{1};

// Whether a file name is one that a template above produces.
bool isSlotTemporaryName(const std::string& fileName);

// A fresh name that `pattern` produces.
std::string randomSlotTemporaryName(const char* pattern);

// Removes our own temporaries in `directory` older than kStaleAfter. Nothing else is touched,
// and a failure only leaves a file where it was.
void removeStaleSlotTemporaries(const std::filesystem::path& directory);

} // namespace quandrel
