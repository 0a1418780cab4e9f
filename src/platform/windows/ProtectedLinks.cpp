#include "platform/ProtectedLinks.h"

namespace quandrel::platform {

// Folders here have no sticky bit: making a link takes a privilege that a folder's other users
// do not have by default.
bool mayFollowLink(const std::filesystem::path&) { return true; }

} // namespace quandrel::platform
