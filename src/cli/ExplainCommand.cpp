#include "Commands.h"

#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "codec/PasswordFields.h"

#include <algorithm>
#include <ostream>

namespace quandrel {

int runExplain(const std::string& typed, std::ostream& out, std::ostream& err)
{
    const std::string password = normalizePassword(typed);
    try {
        decodeSlotText(password);
    } catch (const InvalidSymbol& error) {
        err << "quandrel-pass explain: " << error.what() << '\n';
        return kExitFailed;
    }
    for (std::size_t g = 0; g < kDisplayGroupCount && kGroupSize * g < password.size(); ++g) {
        const int first = static_cast<int>(kGroupSize * g) + 1;
        const int last = std::min(first + kGroupSize - 1, static_cast<int>(password.size()));
        out << "group " << g + 1 << "  " << password.substr(static_cast<std::size_t>(first - 1), kGroupSize) << "  ";
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
    const PasswordCheck check = checkPassword(password);
    if (!check.checksumMatches) {
        out << "checksum: expected " << (check.expectedChecksum.empty() ? "(no full body)" : check.expectedChecksum)
            << '\n';
    }
    return kExitOk;
}

} // namespace quandrel
