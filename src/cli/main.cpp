#include "Commands.h"
#include "DescriptorOutput.h"
#include "platform/CommandLineArguments.h"
#include "platform/OutputDescriptor.h"
#include "platform/StandardDescriptors.h"
#include "platform/StandardInput.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Before anything opens a file that could take the number of a closed one.
    quandrel::platform::openClosedStandardDescriptors();
    // Batch decodes stream millions of lines; the C stdio sync would halve their speed.
    std::ios::sync_with_stdio(false);
    // Slot files and passwords piped in keep their CR LF and every other byte, on every system.
    quandrel::platform::readStandardInputAsBinary();
    // Standard output through a buffer that reports why a write failed, and lets that escape.
    quandrel::DescriptorOutput standardOutput(quandrel::platform::standardOutput());
    std::ostream out(&standardOutput);
    out.exceptions(std::ios::badbit);
    const std::vector<std::string> arguments = quandrel::platform::commandLineArguments(argc, argv);
    std::vector<const char*> pointers;
    for (const auto& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    return quandrel::runCommandLine(static_cast<int>(pointers.size()), pointers.data(), std::cin, out, std::cerr);
}
