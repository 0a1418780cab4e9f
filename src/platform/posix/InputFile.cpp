#include "platform/InputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quandrel::platform {

namespace {

[[noreturn]] void failWithErrno() { throw std::system_error(errno, std::generic_category()); }

} // namespace

struct InputFile::Handle {
    int fd;
    ~Handle() { ::close(fd); }
};

InputFile::InputFile(const std::filesystem::path& path)
{
    // Non-blocking, so that a FIFO is seen for what it is instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        failWithErrno();
    }
    m_handle.reset(new Handle{fd});
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        failWithErrno();
    }
    m_kind = S_ISREG(status.st_mode) ? Kind::RegularFile : S_ISDIR(status.st_mode) ? Kind::Directory : Kind::Other;
}

InputFile::~InputFile() = default;

std::size_t InputFile::read(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(m_handle->fd, buffer, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            failWithErrno();
        }
    }
}

} // namespace quandrel::platform
