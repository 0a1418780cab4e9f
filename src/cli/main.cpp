#include "Commands.h"
#include "platform/StandardInput.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Batch decodes stream millions of lines; the C stdio sync would halve their speed.
    std::ios::sync_with_stdio(false);
    // Slot files and passwords piped in keep their CR LF and every other byte, on every system.
    quandrel::platform::readStandardInputAsBinary();
    return quandrel::runCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
