#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

class QSaveFile;
class QString;

namespace quandrel {

// Makes the QSaveFile a save writes through; tests hand in one whose writes fail.
using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString& fileName)>;

// Replaces the contents of the file at `path` with `bytes` as the user set that file up: a
// symbolic link stays a link and its target is written; the file keeps its permissions; a
// write-protected file, a directory or a device is refused. The new contents go to a
// temporary file that atomically replaces the old one, so a failure leaves the old contents;
// only when the folder takes no new files is an existing, writable file written in place.
// Throws SlotWriteError. An empty factory means a plain QSaveFile.
void saveSlotFile(const std::filesystem::path& path, std::string_view bytes, const SaveFileFactory& makeSaveFile);

} // namespace quandrel
