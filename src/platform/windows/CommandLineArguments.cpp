#include "platform/CommandLineArguments.h"

#include <windows.h>

#include <shellapi.h>

namespace quandrel::platform {

namespace {

std::string utf8Of(const wchar_t* wide)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size - 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    return text;
}

} // namespace

// argv holds the arguments in the ANSI code page, which loses every character outside it: the
// system's own UTF-16 copy of the command line holds them all.
std::vector<std::string> commandLineArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return {argv, argv + argc};
    }
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        arguments.push_back(utf8Of(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

std::filesystem::path pathFromArgument(const std::string& argument)
{
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, argument.data(), static_cast<int>(argument.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, argument.data(), static_cast<int>(argument.size()), wide.data(), size);
    return wide;
}

} // namespace quandrel::platform
