#include "platform/CommandLineArguments.h"

namespace quandrel::platform {

// Arguments and file names are bytes here, handed over as they were typed.
std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

std::filesystem::path pathFromArgument(const std::string& argument) { return argument; }

} // namespace quandrel::platform
