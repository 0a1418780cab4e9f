#pragma once

#include "SlotFileSave.h"
#include "slotfile/SlotFacts.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quandrel {

// The slot files (see SlotFacts.h) in one directory. Every operation opens and closes its file
// itself; a failure throws SlotError naming the slot, the file and the system's reason.
class SlotStore final {
public:
    explicit SlotStore(std::filesystem::path directory, WriteFault fault = {});

    std::filesystem::path pathOf(int slot) const;

    // Writes the password to the slot, keeping the file's links, owner and permissions; a
    // failed write leaves the old slot as it was (see saveSlotFile).
    void save(int slot, std::string_view password) const;

    // Creates each slot file that does not exist, holding `password`; never touches one that
    // does. Only the `chosen` slot must be there afterwards: its failure throws, while another
    // slot that cannot be created (a folder that takes no new files, a full disk) stays missing.
    void createMissing(std::string_view password, int chosen) const;

    // The bytes of the slot file a load reads (see readSlotContents).
    std::string readContents(int slot) const;

    // The slot file's full path for messages, or its relative one when that cannot be had.
    std::string describe(int slot) const;

private:
    std::filesystem::path m_directory;
    WriteFault m_fault;
};

} // namespace quandrel
