#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace quandrel {

// A native path as Qt names it, converted the way Qt's own path overloads convert it.
inline QString qtFileName(const std::filesystem::path& path) { return QFile(path).fileName(); }

} // namespace quandrel
