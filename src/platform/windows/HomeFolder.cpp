#include "platform/HomeFolder.h"

#include <cstdlib>

namespace quandrel::platform {

std::filesystem::path homeFolder()
{
    const wchar_t* profile = ::_wgetenv(L"USERPROFILE");
    return profile != nullptr ? std::filesystem::path(profile) : std::filesystem::path();
}

} // namespace quandrel::platform
