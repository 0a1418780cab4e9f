#include "Commands.h"

#include "codec/Decoder.h"
#include "codec/PasswordCheck.h"
#include "codec/PasswordFields.h"
#include "codec/Repair.h"

#include <optional>
#include <ostream>

namespace quandrel {

namespace {

std::optional<DecodedState> decodeIfValid(const std::string& password)
{
    try {
        return decodeSlotText(password);
    } catch (const InvalidSymbol&) {
        return std::nullopt;
    }
}

// What a correction changes in the game state: the fields that move, or, when the typed text
// does not decode at all, the fields that the corrected characters carry.
std::string describeEffect(const std::optional<DecodedState>& typed, const Repair& repair)
{
    const DecodedState repaired = decodeSlotText(repair.password);
    std::string effect;
    if (typed) {
        for (const auto& change : changedFields(*typed, repaired)) {
            effect += (effect.empty() ? "" : ", ") + change.name + " " + change.before + " -> " + change.after;
        }
        return effect.empty() ? "no field changes" : effect;
    }
    const auto values = fieldValues(repaired);
    for (const auto& substitution : repair.changes) {
        for (const auto& name : fieldsOfCharacter(substitution.position)) {
            for (const auto& field : values) {
                if (field.name == name) {
                    effect += (effect.empty() ? "" : ", ") + name + " " + field.value;
                }
            }
        }
    }
    return effect;
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
            << password.size() << " characters, a password 45)\n";
        return kExitFailed;
    }
    const auto decoded = decodeIfValid(password);
    for (const auto& repair : repairs) {
        out << repair.password << "  ";
        for (std::size_t i = 0; i < repair.changes.size(); ++i) {
            const auto& change = repair.changes[i];
            out << (i == 0 ? "" : ", ") << "position " << change.position << " " << change.from << " -> " << change.to
                << (change.lookAlike ? " (look-alike)" : "");
        }
        out << "; " << describeEffect(decoded, repair) << '\n';
    }
    return kExitOk;
}

} // namespace quandrel
