#pragma once

#include <filesystem>

namespace quandrel::platform {

// Whether following the symbolic link at `link` is safe by the rule that protects shared
// folders: in a sticky folder anyone may write to (like the system's temporary folder), only a
// link made by this process's user or by the folder's owner is followed, since anyone else
// could have planted it to make us write where they cannot. Everywhere else, true.
bool mayFollowLink(const std::filesystem::path& link);

} // namespace quandrel::platform
