#include "Commands.h"
#include "DescriptorOutput.h"
#include "platform/StandardInput.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Batch decodes stream millions of lines; the C stdio sync would halve their speed.
    std::ios::sync_with_stdio(false);
    // Slot files and passwords piped in keep their CR LF and every other byte, on every system.
    quandrel::platform::readStandardInputAsBinary();
    // Standard output through a buffer that reports why a write failed, and lets that escape.
    quandrel::DescriptorOutput standardOutput(STDOUT_FILENO);
    std::ostream out(&standardOutput);
    out.exceptions(std::ios::badbit);
    return quandrel::runCommandLine(argc, argv, std::cin, out, std::cerr);
}
