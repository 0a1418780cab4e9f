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
    DecodedState decoded;
    try {
        decoded = decodeSlotText(password);
    } catch (const InvalidSymbol& error) {
        err << "quandrel-pass explain: " << error.what() << '\n';
        return kExitFailed;
    }
    const auto values = fieldValues(decoded);
    const auto groups = displayGroups(password);
    for (std::size_t g = 0; g < groups.size() && 4 * g < password.size(); ++g) {
        const int first = static_cast<int>(4 * g) + 1;
        const int last = std::min(first + 3, static_cast<int>(password.size()));
        std::vector<std::string> names;
        for (int k = first; k <= last && k <= kPasswordLength; ++k) {
            for (const auto& name : fieldsOfCharacter(k)) {
                if (std::find(names.begin(), names.end(), name) == names.end()) {
                    names.push_back(name);
                }
            }
        }
        // In password order, whatever order the characters' bits name them in.
        auto order = [&values](const std::string& name) {
            return std::find_if(values.begin(), values.end(), [&](const FieldValue& v) { return v.name == name; }) -
                   values.begin();
        };
        std::stable_sort(names.begin(), names.end(),
                         [&order](const std::string& a, const std::string& b) { return order(a) < order(b); });
        out << "group " << g + 1 << "  " << password.substr(static_cast<std::size_t>(first - 1), 4) << "  ";
        for (std::size_t i = 0; i < names.size(); ++i) {
            out << (i == 0 ? "" : ", ") << names[i];
            const auto field = std::find_if(values.begin(), values.end(),
                                            [&](const FieldValue& value) { return value.name == names[i]; });
            if (field != values.end()) {
                out << " " << field->value;
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
