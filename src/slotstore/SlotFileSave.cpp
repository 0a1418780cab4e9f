#include "SlotFileSave.h"

#include "SlotTemporaries.h"
#include "SlotWriteError.h"
#include "platform/FileStatus.h"
#include "platform/OutputFile.h"
#include "platform/ProtectedLinks.h"
#include "slotfile/SlotFacts.h"

namespace quandrel {

namespace {

namespace fs = std::filesystem;
using platform::FileStatus;

// Links in a chain, at the most, as the system itself allows.
constexpr int kMaxLinks = 40;

// Tries to make a temporary name that no file has, this many times.
constexpr int kNameAttempts = 100;

constexpr const char* kReadOnlyFileSystem = "the file system is read-only";

std::string reasonOf(const std::system_error& error)
{
    // Said in the words of the other refusals, and never taken for a protected file.
    if (error.code() == std::errc::read_only_file_system) {
        return kReadOnlyFileSystem;
    }
    return error.code().message();
}

// The file that a save of `path` writes: the end of its chain of symbolic links, each of which
// must be safe to follow. The file may be missing.
fs::path resolveLinks(fs::path path)
{
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        if (platform::linkStatus(path).kind != FileStatus::Kind::SymbolicLink) {
            return path;
        }
        if (!platform::mayFollowLink(path)) {
            throw SlotWriteError(std::string(kCouldNotSave),
                                 "it is a symbolic link that another user may have made in a shared "
                                 "folder, so it is not followed");
        }
        const fs::path target = fs::read_symlink(path);
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    throw std::system_error(std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

// Writes all of `bytes` from the start of `file`; `written` says how far it got when it throws.
void writeFromStart(platform::OutputFile& file, std::string_view bytes, const WriteFault& fault, std::size_t& written)
{
    written = 0;
    while (written < bytes.size()) {
        if (fault) {
            if (const std::optional<std::error_code> error = fault()) {
                throw std::system_error(*error);
            }
        }
        const std::size_t now = file.writeAt(bytes.data() + written, bytes.size() - written, written);
        if (now == 0) {
            throw std::system_error(std::make_error_code(std::errc::io_error));
        }
        written += now;
    }
}

// Overwrites the file's old contents instead of emptying it first, so that at every moment the
// file starts with the old line or the new one: slot lines have one length, and the reader
// stops at the line end.
void writeInPlace(const fs::path& file, std::string_view bytes, const WriteFault& fault)
{
    std::optional<platform::OutputFile> output;
    try {
        output.emplace(platform::OutputFile::openExisting(file));
    } catch (const std::system_error& error) {
        throw SlotWriteError(std::string(kCouldNotSave), reasonOf(error));
    }
    std::size_t written = 0;
    try {
        writeFromStart(*output, bytes, fault, written);
        output->truncate(bytes.size());
        output->sync();
    } catch (const std::system_error& error) {
        throw SlotWriteError(written == 0 ? "could not save (the slot is unchanged)"
                                          : "could not save (the slot may be incomplete)",
                             reasonOf(error));
    }
}

// Removes a temporary file that was not published.
class TemporaryGuard final {
public:
    explicit TemporaryGuard(fs::path path) : m_path(std::move(path)) {}
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;
    ~TemporaryGuard()
    {
        if (!m_published) {
            std::error_code ignored;
            fs::remove(m_path, ignored);
        }
    }
    void published() { m_published = true; }

private:
    fs::path m_path;
    bool m_published = false;
};

// Writes `bytes` to a new file beside `target` and renames it over `target`. For an existing
// target, returns false having changed nothing when the folder takes no new file or the new file
// cannot carry all that the old one has.
bool writeByReplacing(const fs::path& target, std::string_view bytes, const WriteFault& fault, bool existing)
{
    const fs::path folder = target.parent_path();
    fs::path temporary;
    std::optional<platform::OutputFile> output;
    for (int attempt = 1; !output; ++attempt) {
        temporary = folder / randomSlotTemporaryName(kSavedSlotTemplate);
        try {
            // Private until it has the old file's owner and mode; a new slot is a plain new file.
            output.emplace(platform::OutputFile::createNew(temporary, existing ? 0600U : 0666U));
        } catch (const std::system_error& error) {
            if (error.code() == std::errc::file_exists && attempt < kNameAttempts) {
                continue;
            }
            if (existing) {
                return false;
            }
            throw SlotWriteError(std::string(kCouldNotSave), reasonOf(error));
        }
    }
    TemporaryGuard guard(temporary);
    if (existing && !output->carryMetadataOf(target)) {
        return false;
    }
    try {
        std::size_t written = 0;
        writeFromStart(*output, bytes, fault, written);
        output->sync();
        fs::rename(temporary, target);
    } catch (const std::system_error& error) {
        throw SlotWriteError("could not save (the slot is unchanged)", reasonOf(error));
    }
    guard.published();
    platform::syncFolder(folder);
    return true;
}

} // namespace

void saveSlotFile(const std::filesystem::path& path, std::string_view bytes, const WriteFault& fault)
{
    try {
        const fs::path target = resolveLinks(path);
        const fs::path folder = target.parent_path();
        removeStaleSlotTemporaries(folder.empty() ? "." : folder);
        const FileStatus status = platform::linkStatus(target);
        switch (status.kind) {
        case FileStatus::Kind::Missing:
            writeByReplacing(target, bytes, fault, false);
            return;
        case FileStatus::Kind::RegularFile:
            break;
        case FileStatus::Kind::Directory:
            throw SlotWriteError(std::string(kCouldNotSave), "it is a directory, not a file");
        default:
            throw SlotWriteError(std::string(kCouldNotSave), "it is not a regular file");
        }
        if (platform::onReadOnlyFileSystem(target)) {
            throw SlotWriteError("could not save", kReadOnlyFileSystem);
        }
        // A file without a write bit is protected from root too, whom the system lets write it.
        if ((status.mode & 0222U) == 0 || !platform::mayWrite(target)) {
            throw SlotWriteError(std::string(kCouldNotSave), "the file is write-protected");
        }
        // A second name would keep the old password after a replace.
        if (status.links == 1 && writeByReplacing(target, bytes, fault, true)) {
            return;
        }
        writeInPlace(target, bytes, fault);
    } catch (const std::system_error& error) {
        throw SlotWriteError(std::string(kCouldNotSave), reasonOf(error));
    }
}

} // namespace quandrel
