#include "platform/ProtectedLinks.h"

#include <sys/stat.h>
#include <unistd.h>

namespace quandrel::platform {

bool mayFollowLink(const std::filesystem::path& link)
{
    struct stat linkStatus {};
    if (::lstat(link.c_str(), &linkStatus) != 0 || !S_ISLNK(linkStatus.st_mode)) {
        return true; // no link to follow
    }
    const std::filesystem::path parent = link.parent_path();
    struct stat folder {};
    if (::stat(parent.empty() ? "." : parent.c_str(), &folder) != 0) {
        return false;
    }
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid;
}

} // namespace quandrel::platform
