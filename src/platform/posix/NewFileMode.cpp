#include "platform/NewFileMode.h"

#include <sys/stat.h>

namespace quandrel::platform {

unsigned newFileMode()
{
    // Reading the umask means setting it, so it is set straight back.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666U & ~static_cast<unsigned>(mask);
}

} // namespace quandrel::platform
