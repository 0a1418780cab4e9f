#pragma once

#include <cstddef>
#include <system_error>

namespace quandrel::platform {

// Where the program's output goes, as the system numbers it.
using OutputDescriptor = int;

OutputDescriptor standardOutput();

// Writes up to `size` bytes to `fd`, again when a signal interrupts the write; the number
// written, or 0 with the system's reason in `error`.
std::size_t writeSome(OutputDescriptor fd, const char* data, std::size_t size, std::error_code& error);

} // namespace quandrel::platform
