#include "Commands.h"

#include "InputPassword.h"
#include "PasswordProblem.h"
#include "codec/Decoder.h"
#include "codec/PasswordCheck.h"
#include "codec/PasswordFields.h"
#include "codec/PrintableText.h"
#include "platform/CommandLineArguments.h"
#include "slots/SlotFile.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace quandrel {

namespace {

// No password holds a dot or a slash: such an argument names a file even when it is missing.
bool namesFile(const std::string& argument)
{
    std::error_code ignored;
    return argument.find_first_of("./") != std::string::npos ||
           std::filesystem::exists(platform::pathFromArgument(argument), ignored);
}

// A password given directly or on standard input ("-"), which must be a true password, or the
// first field of a slot file, which is read as a slot load reads it.
std::optional<DecodedState> decodeArgument(const std::string& argument, InputPasswords& input, std::ostream& err)
{
    const auto refuse = [&](const std::string& problem) {
        err << "quandrel-pass diff: " << printableText(argument) << ": " << problem << '\n';
        return std::nullopt;
    };
    std::string text;
    const bool slotFile = argument != "-" && namesFile(argument);
    if (slotFile) {
        try {
            text = readFirstField(platform::pathFromArgument(argument));
        } catch (const SlotReadError& error) {
            return refuse(error.what());
        }
    } else if (argument == "-") {
        std::string problem;
        const auto typed = input.next(problem);
        if (!typed) {
            return refuse(problem);
        }
        text = normalizePassword(*typed);
    } else {
        text = normalizePassword(argument);
    }
    // A typed password of the wrong length is refused for that, not for the first shifted symbol.
    if (!slotFile && text.size() != static_cast<std::size_t>(kPasswordLength)) {
        return refuse(lengthProblem(text.size()));
    }
    try {
        DecodedState decoded = decodeSlotText(text);
        if (const std::string problem = passwordProblem(text); !problem.empty()) {
            if (!slotFile) {
                return refuse(problem);
            }
            err << "quandrel-pass diff: " << printableText(argument) << ": " << problem
                << "; read anyway, as a slot load reads it\n";
        }
        return decoded;
    } catch (const InvalidSymbol& error) {
        return refuse(error.what());
    }
}

} // namespace

int runDiff(const std::string& first, const std::string& second, std::istream& in, std::ostream& out, std::ostream& err)
{
    InputPasswords input(in);
    const auto a = decodeArgument(first, input, err);
    const auto b = decodeArgument(second, input, err);
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
