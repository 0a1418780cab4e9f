#include "DescriptorOutput.h"

namespace quandrel {

DescriptorOutput::DescriptorOutput(platform::OutputDescriptor fd) : m_fd(fd)
{
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

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
        std::error_code error;
        const std::size_t written = platform::writeSome(m_fd, next, static_cast<std::size_t>(pptr() - next), error);
        if (written == 0) {
            // What could not be written is dropped, so that a later flush does not retry it.
            setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
            throw WriteError(error);
        }
        next += written;
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

} // namespace quandrel
