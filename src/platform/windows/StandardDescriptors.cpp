#include "platform/StandardDescriptors.h"

#include <fcntl.h>
#include <io.h>

namespace quandrel::platform {

void openClosedStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd) {
        // A program started without a console, or with a handle closed, has no handle here.
        if (::_get_osfhandle(fd) != -1) {
            continue;
        }
        const int opened = ::_open("NUL", fd == 0 ? _O_RDONLY : _O_WRONLY);
        if (opened != -1 && opened != fd) {
            ::_dup2(opened, fd);
            ::_close(opened);
        }
    }
}

} // namespace quandrel::platform
