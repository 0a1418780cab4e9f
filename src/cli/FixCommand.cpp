#include "Commands.h"
#include "Subcommand.h"

#include "PasswordProblem.h"
#include "codec/PasswordCheck.h"
#include "codec/PrintableText.h"
#include "codec/RepairEffect.h"

#include <ostream>

namespace quandrel {

namespace {

// What a correction changes in the game state, in one line.
std::string describeEffect(const std::string& typed, const Repair& repair)
{
    std::string effect;
    for (const auto& change : repairEffect(typed, repair)) {
        effect += (effect.empty() ? "" : ", ") + change.name + " ";
        effect += change.before.empty() ? change.after : change.before + " -> " + change.after;
    }
    return effect.empty() ? "no field changes" : effect;
}

// Why no correction was found: the length when it is wrong, else how many places are bad.
std::string whatIsWrong(const PasswordCheck& check)
{
    if (check.length != static_cast<std::size_t>(kPasswordLength)) {
        return "it has " + lengthProblem(check.length);
    }
    const std::size_t bad = check.problems.size();
    if (bad == 0) {
        return "its checksum does not match";
    }
    return std::to_string(bad) + (bad == 1 ? " character is" : " characters are") + " not a symbol at its place";
}

std::string shownCharacter(char c) { return printableText(std::string_view(&c, 1)); }

} // namespace

int runFix(const std::string& typed, std::ostream& out, std::ostream& err)
{
    const std::string password = normalizePassword(typed);
    const PasswordCheck check = checkPassword(password);
    if (check.valid()) {
        out << password << "  already valid\n";
        return kExitOk;
    }
    const auto repairs = suggestRepairs(password);
    if (repairs.empty()) {
        err << "quandrel-pass fix: no correction of at most two characters makes " << printableText(password)
            << " valid (" << whatIsWrong(check) << ")\n";
        return kExitFailed;
    }
    for (const auto& repair : repairs) {
        out << repair.password << "  ";
        for (std::size_t i = 0; i < repair.changes.size(); ++i) {
            const auto& change = repair.changes[i];
            out << (i == 0 ? "" : ", ") << "position " << change.position << " ";
            switch (change.edit) {
            case Edit::Replace:
                out << shownCharacter(change.from) << " -> " << change.to << (change.lookAlike ? " (look-alike)" : "");
                break;
            case Edit::Insert:
                out << change.to << " put back";
                break;
            case Edit::Remove:
                out << shownCharacter(change.from) << " taken out";
                break;
            }
        }
        out << "; " << describeEffect(password, repair) << '\n';
    }
    return kExitOk;
}

Subcommand fixSubcommand()
{
    return passwordSubcommand(
        "fix", "Suggest the likeliest corrections of a mistyped password, best first",
        "The password as typed, or - for standard input (blanks, dashes and lower case are tolerated)",
        helpFooter("  quandrel-pass fix UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4\n",
                   "0 corrections found or already valid; 1 no correction"),
        runFix);
}

} // namespace quandrel
