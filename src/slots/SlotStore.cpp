#include "SlotStore.h"

#include "SlotError.h"
#include "SlotFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quandrel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Closes its descriptor on every path out of a handler.
class FileDescriptor final {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now and reports the result, which can carry a delayed write error.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

std::string systemReason(int error) { return std::strerror(error); }

bool writeAll(const SlotFileOps& ops, int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t written = ops.write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

SlotFileOps SlotFileOps::system() { return {::write, ::fsync, ::rename}; }

SlotStore::SlotStore(std::filesystem::path directory, SlotFileOps ops)
    : m_directory(std::move(directory)), m_ops(std::move(ops))
{}

std::string SlotStore::fileName(int slot) { return "sgame0" + std::to_string(slot) + ".txt"; }

std::filesystem::path SlotStore::pathOf(int slot) const { return m_directory / fileName(slot); }

std::string SlotStore::describe(int slot) const
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(pathOf(slot), error);
    return error ? pathOf(slot).string() : absolute.lexically_normal().string();
}

void SlotStore::save(int slot, std::string_view password) const
{
    const std::string line = std::string(password) + std::string(kLineEnd);
    std::string temporary = (m_directory / ("." + fileName(slot) + ".XXXXXX")).string();
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.valid()) {
        throw SlotError(slot, describe(slot), "could not save", systemReason(errno));
    }
    const bool written = ::fchmod(file.get(), newFileMode()) == 0 && writeAll(m_ops, file.get(), line) &&
                         m_ops.fsync(file.get()) == 0 && file.close() == 0 &&
                         m_ops.rename(temporary.c_str(), pathOf(slot).c_str()) == 0;
    if (!written) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw SlotError(slot, describe(slot), "could not save (the slot is unchanged)", systemReason(error));
    }
}

void SlotStore::createMissing(std::string_view password) const
{
    const std::string line = std::string(password) + std::string(kLineEnd);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        // Exclusive creation: a slot that exists in any form is never rewritten.
        FileDescriptor file(::open(pathOf(slot).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!file.valid()) {
            if (errno == EEXIST) {
                continue;
            }
            throw SlotError(slot, describe(slot), "could not create the slot file", systemReason(errno));
        }
        if (!writeAll(m_ops, file.get(), line) || file.close() != 0) {
            const int error = errno;
            ::unlink(pathOf(slot).c_str());
            throw SlotError(slot, describe(slot), "could not create the slot file", systemReason(error));
        }
    }
}

std::string SlotStore::readField(int slot) const
{
    try {
        return readFirstField(pathOf(slot));
    } catch (const SlotReadError& error) {
        throw SlotError(slot, describe(slot), "could not load", error.what());
    }
}

} // namespace quandrel
