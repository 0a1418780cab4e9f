#include "platform/OutputDescriptor.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <io.h>

namespace quandrel::platform {

OutputDescriptor standardOutput() { return ::_fileno(stdout); }

std::size_t writeSome(OutputDescriptor fd, const char* data, std::size_t size, std::error_code& error)
{
    const auto chunk = static_cast<unsigned>(size < INT_MAX ? size : INT_MAX);
    const int written = ::_write(fd, data, chunk);
    if (written > 0) {
        return static_cast<std::size_t>(written);
    }
    error = std::error_code(written < 0 ? errno : EIO, std::generic_category());
    return 0;
}

} // namespace quandrel::platform
