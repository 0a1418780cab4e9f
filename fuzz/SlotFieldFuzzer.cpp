// Any slot file contents give a field without line ends, the same whether read from memory or
// from a real slot file, and an empty file is refused.
#include "PropertyCheck.h"
#include "slotfile/SlotField.h"
#include "slotfile/SlotFile.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace quandrel;
using fuzz::require;

void checkField(std::string_view contents, const std::optional<std::string>& field)
{
    require(field.has_value() == !contents.empty(), "only empty contents give no field");
    if (field) {
        require(field->find_first_of("\r\n") == std::string::npos, "a field holds no line end");
        require(contents.find(*field) != std::string_view::npos, "a field is a piece of the contents");
    }
}

// What a load of slot 1 holding `contents` returns, or nothing when it is refused.
std::optional<std::string> loadSlot(std::string_view contents)
{
    // One directory for the whole run; it is removed at exit.
    static const test::TemporaryDirectory directory;
    directory.write("sgame01.txt", std::string(contents));
    try {
        return readFirstField(directory.path() / "sgame01.txt");
    } catch (const SlotReadError&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    checkField(contents, firstSlotField(contents));

    const std::optional<std::string> loaded = loadSlot(contents);
    require(loaded.has_value() == !contents.empty(), "a load refuses exactly the empty file");
    if (loaded) {
        const std::string_view read = contents.substr(0, std::min(contents.size(), kSlotReadLimit));
        require(loaded == firstSlotField(read), "a load gives the field of the bytes it may read");
        checkField(read, loaded);
    }
    return 0;
}
