#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <system_error>

namespace quandrel {

// Called before each write of a save; an error makes that write fail with it, as a full disk
// would. Tests hand one in; an empty one lets every write through.
using WriteFault = std::function<std::optional<std::error_code>()>;

// Replaces the contents of the file at `path` with `bytes` as the user set that file up:
// - a symbolic link stays a link and the file it names is written, unless another user could
//   have planted it (see platform::mayFollowLink), which is refused;
// - a file on a read-only file system, a write-protected file (no write permission, for root
//   too), a directory or a device is refused;
// - the new contents go to a temporary file that replaces the old one, so that a failure or a
//   crash leaves the old contents, when that file can be given everything the old one had:
//   owner, group, mode, access list and other extended attributes, and no second name;
// - otherwise (a folder that takes no new files, another user's slot, a hard link) the file is
//   written in place, over its old contents and then cut to length, so that a crash leaves the
//   old password or the new one.
// Throws SlotWriteError.
void saveSlotFile(const std::filesystem::path& path, std::string_view bytes, const WriteFault& fault = {});

} // namespace quandrel
