#include "Commands.h"
#include "Subcommand.h"

#include "PasswordProblem.h"
#include "codec/Alphabets.h"
#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "codec/PasswordFields.h"
#include "codec/PrintableText.h"

#include <algorithm>
#include <iomanip>
#include <ostream>

namespace quandrel {

namespace {

// The fields that no character of a text this short carries.
std::string fieldsNotCarried(std::string_view text)
{
    std::string names;
    for (const auto& field :
         fieldsCarriedBy(text, characterRange(static_cast<int>(text.size()) + 1, kPasswordLength))) {
        // A field partly carried is still not carried whole.
        const bool whole = std::all_of(field.characters.begin(), field.characters.end(),
                                       [&](int k) { return k > static_cast<int>(text.size()); });
        if (whole || field.field.kind == FieldKind::Checksum) {
            names += (names.empty() ? "" : ", ") + field.name;
        }
    }
    return names;
}

} // namespace

int runExplain(const std::string& typed, std::ostream& out, std::ostream& err)
{
    const std::string password = normalizePassword(typed);
    try {
        decodeSlotText(password);
    } catch (const InvalidSymbol& error) {
        err << "quandrel-pass explain: " << error.what() << '\n';
        return kExitFailed;
    }
    const std::size_t shown = std::min(password.size(), static_cast<std::size_t>(kPasswordLength));
    for (std::size_t g = 0; g < kDisplayGroupCount && kGroupSize * g < shown; ++g) {
        const int first = static_cast<int>(kGroupSize * g) + 1;
        const int last = std::min(first + kGroupSize - 1, static_cast<int>(shown));
        const std::string characters = password.substr(static_cast<std::size_t>(first - 1), kGroupSize);
        // Padded, so that the fields start in one column whatever the group's number and length.
        out << "group " << std::setw(2) << g + 1 << "  " << std::left << std::setw(kGroupSize)
            << printableText(characters) << std::right << "  ";
        const auto fields = fieldsCarriedBy(password, characterRange(first, last));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out << (i == 0 ? "" : ", ") << fields[i].name;
            // The checksum's value is the group's own characters, shown already.
            if (fields[i].field.kind != FieldKind::Checksum) {
                out << " " << fields[i].value;
            }
        }
        out << '\n';
    }
    if (password.size() != static_cast<std::size_t>(kPasswordLength)) {
        err << "quandrel-pass explain: " << lengthProblemWithCause(password.size());
        if (password.size() < static_cast<std::size_t>(kPasswordLength)) {
            err << "; not carried: " << fieldsNotCarried(password);
        } else {
            err << "; characters from " << kPasswordLength + 1 << " on carry nothing";
        }
        err << '\n';
        return kExitFailed;
    }
    const PasswordCheck check = checkPassword(password);
    if (!check.checksumMatches) {
        out << "checksum: expected " << check.expectedChecksum << '\n';
    }
    return kExitOk;
}

Subcommand explainSubcommand()
{
    return passwordSubcommand(
        "explain", "Show which fields each group of characters carries",
        "The password to explain, or - for standard input (blanks, dashes and lower case are tolerated)",
        helpFooter("  quandrel-pass explain UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4A\n",
                   "0 explained; 1 a character that is not a symbol"),
        runExplain);
}

} // namespace quandrel
