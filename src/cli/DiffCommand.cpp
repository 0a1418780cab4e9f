#include "Commands.h"
#include "Subcommand.h"

#include "InputPassword.h"
#include "PasswordProblem.h"
#include "codec/Decoder.h"
#include "codec/PasswordCheck.h"
#include "codec/PasswordFields.h"
#include "codec/PrintableText.h"
#include "platform/CommandLineArguments.h"
#include "slotfile/SlotFile.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <memory>
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

namespace {

SubcommandRun defineDiff(CLI::App& command)
{
    struct Arguments {
        std::string first;
        std::string second;
    };
    auto arguments = std::make_shared<Arguments>();
    command.add_option("first", arguments->first, "A password, a slot file, or - for a password on standard input")
        ->required();
    command.add_option("second", arguments->second, "A password, a slot file, or - for a password on standard input")
        ->required();
    command.footer(helpFooter("  quandrel-pass diff sgame01.txt sgame02.txt\n"
                              "  quandrel-pass encode state.json | quandrel-pass diff sgame01.txt -\n",
                              "0 the same game state; 1 they differ"));
    return [arguments](const Streams& streams) {
        return runDiff(arguments->first, arguments->second, streams.in, streams.out, streams.err);
    };
}

} // namespace

Subcommand diffSubcommand() { return {"diff", "Compare two passwords or slot files field by field", defineDiff}; }

} // namespace quandrel
