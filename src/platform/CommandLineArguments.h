#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quandrel::platform {

// The program's arguments in UTF-8, whatever the system's code page, so that any file name
// typed arrives whole.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// The file an argument from commandLineArguments names.
std::filesystem::path pathFromArgument(const std::string& argument);

} // namespace quandrel::platform
