#pragma once

#include <filesystem>

namespace quandrel::platform {

// The user's home folder: HOME when it is set, else the one the user database gives this
// process's user (a service or a cleared environment has no HOME); empty when neither says.
std::filesystem::path homeFolder();

} // namespace quandrel::platform
