#include "platform/FileOwner.h"

#include <sys/stat.h>
#include <unistd.h>

namespace quandrel::platform {

void keepOwner(int handle, unsigned owner, unsigned group)
{
    struct stat status {};
    if (::fstat(handle, &status) != 0) {
        return;
    }
    const uid_t newOwner = status.st_uid == owner ? static_cast<uid_t>(-1) : owner;
    const gid_t newGroup = status.st_gid == group ? static_cast<gid_t>(-1) : group;
    if (newOwner == static_cast<uid_t>(-1) && newGroup == static_cast<gid_t>(-1)) {
        return;
    }
    // Both at once when allowed, else at least the group.
    if (::fchown(handle, newOwner, newGroup) != 0 && newGroup != static_cast<gid_t>(-1)) {
        [[maybe_unused]] const int ignored = ::fchown(handle, static_cast<uid_t>(-1), newGroup);
    }
}

} // namespace quandrel::platform
