#include "SlotFileSave.h"

#include "QtFileName.h"
#include "SlotWriteError.h"
#include "platform/FileOwner.h"

#include <QFileInfo>
#include <QSaveFile>

namespace quandrel {

namespace {

std::string reasonOf(const QFileDevice& file) { return file.errorString().toStdString(); }

bool writeAll(QFileDevice& file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Only for a folder that takes no new files: no temporary file, so a failure midway can leave
// the slot incomplete.
void writeInPlace(const QString& fileName, std::string_view bytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        throw SlotWriteError("could not save", reasonOf(file));
    }
    if (!writeAll(file, bytes)) {
        throw SlotWriteError("could not save (the slot may be incomplete)", reasonOf(file));
    }
}

} // namespace

void saveSlotFile(const std::filesystem::path& path, std::string_view bytes, const SaveFileFactory& makeSaveFile)
{
    const QString fileName = qtFileName(path);
    const QFileInfo target(fileName); // follows symbolic links
    if (target.exists()) {
        if (target.isDir()) {
            throw SlotWriteError("could not save", "it is a directory, not a file");
        }
        if (!target.isFile()) {
            throw SlotWriteError("could not save", "it is not a regular file");
        }
        if (!target.isWritable()) {
            throw SlotWriteError("could not save", "the file is write-protected");
        }
        const QString resolved = target.canonicalFilePath();
        if (!QFileInfo(QFileInfo(resolved).absolutePath()).isWritable()) {
            writeInPlace(resolved, bytes);
            return;
        }
    }

    const std::unique_ptr<QSaveFile> file =
        makeSaveFile ? makeSaveFile(fileName) : std::make_unique<QSaveFile>(fileName);
    // Unbuffered, so that a failed write is seen by the write itself: QSaveFile's commit does not
    // check the flush of its buffer, and would put an empty file in place of a full disk's slot.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw SlotWriteError("could not save", reasonOf(*file));
    }
    if (target.exists()) {
        platform::keepOwner(file->handle(), target.ownerId(), target.groupId());
    }
    if (!writeAll(*file, bytes) || !file->commit()) {
        const std::string reason = reasonOf(*file);
        file->cancelWriting();
        throw SlotWriteError("could not save (the slot is unchanged)", reason);
    }
}

} // namespace quandrel
