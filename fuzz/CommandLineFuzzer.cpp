// The whole quandrel-pass command line, in process: the input is the arguments, each ended by a
// NUL byte, then an empty argument, then standard input. Whatever arrives, the program ends
// with status 0, 1 or 2.
#include "PropertyCheck.h"
#include "cli/Commands.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quandrel;

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> arguments{"quandrel-pass"};
    std::size_t next = 0;
    while (next < input.size()) {
        const std::size_t end = input.find('\0', next);
        if (end == std::string_view::npos || end == next) {
            break;
        }
        arguments.emplace_back(input.substr(next, end - next));
        next = end + 1;
    }
    const std::string_view standardInput = next < input.size() ? input.substr(next + 1) : std::string_view();
    for (const auto& argument : arguments) {
        // Files named by path could be endless (/dev/zero) or slow; names in the working folder
        // and standard input are the surfaces under test.
        if (argument.find('/') != std::string::npos || argument.find('\\') != std::string::npos) {
            return 0;
        }
    }

    std::vector<const char*> argv;
    for (const auto& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::istringstream in{std::string(standardInput)};
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
    fuzz::require(status == kExitOk || status == kExitFailed || status == kExitBadInput,
                  "quandrel-pass exits with 0, 1 or 2");
    return 0;
}
