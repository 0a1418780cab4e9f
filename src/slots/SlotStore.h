#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace quandrel {

// The system calls through which a save writes, replaceable so tests can make them fail.
struct SlotFileOps {
    std::function<ssize_t(int, const void*, std::size_t)> write;
    std::function<int(int)> fsync;
    std::function<int(const char*, const char*)> rename;

    static SlotFileOps system();
};

// The five slot files "sgame01.txt" to "sgame05.txt" in one directory, each holding one
// password followed by CR LF. Every operation opens and closes its file itself; a failure
// throws SlotError naming the slot, the file and the system's reason.
class SlotStore final {
public:
    static constexpr int kSlotCount = 5;

    explicit SlotStore(std::filesystem::path directory, SlotFileOps ops = SlotFileOps::system());

    static std::string fileName(int slot);
    std::filesystem::path pathOf(int slot) const;

    // Replaces the slot with the password through a temporary file in the same directory, so
    // that a failed write leaves the old slot as it was.
    void save(int slot, std::string_view password) const;

    // Creates each slot file that does not exist, holding `password`; never touches one that does.
    void createMissing(std::string_view password) const;

    // The first field of the slot file (blanks skipped, up to a comma or the line end, quotes
    // removed).
    std::string readField(int slot) const;

    // The slot file's full path for messages, or its relative one when that cannot be had.
    std::string describe(int slot) const;

private:
    std::filesystem::path m_directory;
    SlotFileOps m_ops;
};

} // namespace quandrel
