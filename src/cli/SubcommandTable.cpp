#include "Subcommand.h"

#include "NearestName.h"
#include "codec/PrintableText.h"

#include <array>
#include <vector>

namespace quandrel {

// Each defined in its own file (HelpCommand.cpp for help). A new subcommand is that file, its
// declaration here and its line in the table.
Subcommand encodeSubcommand();
Subcommand decodeSubcommand();
Subcommand checkSubcommand();
Subcommand fixSubcommand();
Subcommand explainSubcommand();
Subcommand diffSubcommand();
Subcommand helpSubcommand();

std::span<const Subcommand> subcommandTable()
{
    // clang-format off
    static const std::array table = {
        encodeSubcommand(),
        decodeSubcommand(),
        checkSubcommand(),
        fixSubcommand(),
        explainSubcommand(),
        diffSubcommand(),
        helpSubcommand(),
    };
    // clang-format on
    return table;
}

std::string unknownSubcommand(const std::string& typed)
{
    std::vector<std::string> names;
    for (const Subcommand& subcommand : subcommandTable()) {
        names.emplace_back(subcommand.name);
    }
    std::string message = "\"" + printableText(typed) + "\" is not a subcommand";
    if (const std::string near = nearestName(typed, names); !near.empty()) {
        message += "; did you mean \"" + near + "\"?";
    }
    return message + " (quandrel-pass help lists them)";
}

} // namespace quandrel
