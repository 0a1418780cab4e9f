#include "Commands.h"

#include "codec/PasswordCheck.h"
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

} // namespace

int runFix(const std::string& typed, std::ostream& out, std::ostream& err)
{
    const std::string password = normalizePassword(typed);
    if (checkPassword(password).valid()) {
        out << password << "  already valid\n";
        return kExitOk;
    }
    const auto repairs = suggestRepairs(password);
    if (repairs.empty()) {
        err << "quandrel-pass fix: no correction of at most two characters makes " << password << " valid (it has "
            << password.size() << " characters, a password has 45)\n";
        return kExitFailed;
    }
    for (const auto& repair : repairs) {
        out << repair.password << "  ";
        for (std::size_t i = 0; i < repair.changes.size(); ++i) {
            const auto& change = repair.changes[i];
            out << (i == 0 ? "" : ", ") << "position " << change.position << " ";
            switch (change.edit) {
            case Edit::Replace:
                out << change.from << " -> " << change.to << (change.lookAlike ? " (look-alike)" : "");
                break;
            case Edit::Insert:
                out << change.to << " put back";
                break;
            case Edit::Remove:
                out << change.from << " taken out";
                break;
            }
        }
        out << "; " << describeEffect(password, repair) << '\n';
    }
    return kExitOk;
}

} // namespace quandrel
