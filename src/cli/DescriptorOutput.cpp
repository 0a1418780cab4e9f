#include "DescriptorOutput.h"

#include <cerrno>
#include <unistd.h>

namespace quandrel {

DescriptorOutput::DescriptorOutput(int fd) : m_fd(fd) { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c)
{
    writeBuffer();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorOutput::sync()
{
    writeBuffer();
    return 0;
}

void DescriptorOutput::writeBuffer()
{
    const char* next = pbase();
    while (next < pptr()) {
        const ssize_t written = ::write(m_fd, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            const int reason = written < 0 ? errno : EIO;
            // What could not be written is dropped, so that a later flush does not retry it.
            setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
            throw WriteError(reason, std::generic_category());
        }
        next += written;
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

} // namespace quandrel
