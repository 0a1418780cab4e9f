#pragma once

#include "codec/PasswordFields.h"

#include <QString>

#include <bitset>
#include <string>
#include <vector>

namespace quandrel {

// What the characters of a shown password carry: for each display group, the fields its
// characters hold, with their values and the characters that hold them.
class PasswordExplanation final {
public:
    explicit PasswordExplanation(const std::string& password);

    // Rich text for the tooltip of display group `group` (0 to 11); `changed` marks the group's
    // characters that the last action changed. Empty for a group that shows nothing.
    QString group(int group, std::bitset<4> changed) const;

private:
    std::string m_password;
    std::vector<FieldValue> m_fields; // decoded once for all twelve groups
};

} // namespace quandrel
