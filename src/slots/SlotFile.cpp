#include "SlotFile.h"

#include "SlotField.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quandrel {

namespace {

[[noreturn]] void failWithErrno() { throw SlotReadError(std::strerror(errno)); }

} // namespace

std::string readFirstField(const std::filesystem::path& path)
{
    // Non-blocking, so that a FIFO is refused instead of freezing the window.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        failWithErrno();
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        failWithErrno();
    }
    if (!S_ISREG(status.st_mode)) {
        throw SlotReadError(S_ISDIR(status.st_mode) ? "it is a directory, not a file" : "it is not a regular file");
    }

    std::string contents;
    char buffer[4096];
    while (contents.size() < kSlotReadLimit && contents.find_first_of("\r\n") == std::string::npos) {
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, kSlotReadLimit - contents.size()));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            failWithErrno();
        }
        if (got == 0) {
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    std::optional<std::string> field = firstSlotField(contents);
    if (!field) {
        throw SlotReadError("the file is empty");
    }
    return *std::move(field);
}

} // namespace quandrel
