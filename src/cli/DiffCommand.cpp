#include "Commands.h"

#include "codec/Decoder.h"
#include "codec/PasswordCheck.h"
#include "codec/PasswordFields.h"
#include "slots/SlotFile.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace quandrel {

namespace {

// A password given directly, or the first field of a slot file when the argument names a file.
std::optional<DecodedState> decodeArgument(const std::string& argument, std::ostream& err)
{
    std::string text = argument;
    std::error_code ignored;
    if (std::filesystem::exists(argument, ignored)) {
        try {
            text = readFirstField(argument);
        } catch (const SlotReadError& error) {
            err << "quandrel-pass diff: " << argument << ": " << error.what() << '\n';
            return std::nullopt;
        }
    }
    try {
        return decodeSlotText(normalizePassword(text));
    } catch (const InvalidSymbol& error) {
        err << "quandrel-pass diff: " << argument << ": " << error.what() << '\n';
        return std::nullopt;
    }
}

} // namespace

int runDiff(const std::string& first, const std::string& second, std::ostream& out, std::ostream& err)
{
    const auto a = decodeArgument(first, err);
    const auto b = decodeArgument(second, err);
    if (!a || !b) {
        return kExitBadInput;
    }
    const auto changes = changedFields(*a, *b);
    for (const auto& change : changes) {
        out << change.name << ": " << change.before << " -> " << change.after << '\n';
    }
    if (changes.empty()) {
        out << "same game state\n";
    }
    return changes.empty() ? kExitOk : kExitFailed;
}

} // namespace quandrel
