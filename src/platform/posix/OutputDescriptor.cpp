#include "platform/OutputDescriptor.h"

#include <cerrno>
#include <unistd.h>

namespace quandrel::platform {

OutputDescriptor standardOutput() { return STDOUT_FILENO; }

std::size_t writeSome(OutputDescriptor fd, const char* data, std::size_t size, std::error_code& error)
{
    for (;;) {
        const ssize_t written = ::write(fd, data, size);
        if (written > 0) {
            return static_cast<std::size_t>(written);
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        error = std::error_code(written < 0 ? errno : EIO, std::generic_category());
        return 0;
    }
}

} // namespace quandrel::platform
