#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quandrel {

// What a save slot is, for every edition: the desktop keeps slots as files in a folder, the web
// page keeps the same bytes in the browser and moves them as the same files.

inline constexpr int kSlotCount = 5;

// Bytes of a slot file that a read looks at, at the most: the first field is all it needs.
inline constexpr std::size_t kSlotReadLimit = 64 * 1024;

// "sgame01.txt" for slot 1.
std::string slotFileName(int slot);

// A slot file's bytes: the password and CR LF.
std::string slotFileBytes(std::string_view password);

// Why a slot failed, as the player reads it: "Slot 2 (PLACE): could not load: the file is empty".
std::string slotMessage(std::string_view slot, std::string_view place, std::string_view what, std::string_view reason);

// The outcomes a slot message names.
inline constexpr std::string_view kCouldNotLoad = "could not load";
inline constexpr std::string_view kCouldNotSave = "could not save";
inline constexpr std::string_view kCouldNotCreate = "could not create the slot file";
inline constexpr std::string_view kNoValidPassword = "holds no valid password";
inline constexpr std::string_view kEmptySlot = "the file is empty";
inline constexpr std::string_view kTooBig = "the file is too big to be a slot file";

} // namespace quandrel
