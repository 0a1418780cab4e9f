#pragma once

#include "platform/OutputDescriptor.h"

#include <array>
#include <streambuf>
#include <system_error>

namespace quandrel {

// A write that failed, with the system's reason in its code.
class WriteError final : public std::system_error {
public:
    using std::system_error::system_error;
};

// A buffered output stream buffer over a file descriptor that throws WriteError when the
// system refuses a write (a full disk, a closed descriptor), where the standard library's
// would only set a flag and lose the reason.
class DescriptorOutput final : public std::streambuf {
public:
    explicit DescriptorOutput(platform::OutputDescriptor fd);

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    void writeBuffer();

    platform::OutputDescriptor m_fd;
    std::array<char, 1 << 16> m_buffer{};
};

} // namespace quandrel
