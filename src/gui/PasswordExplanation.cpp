#include "PasswordExplanation.h"

#include "PictureDescriptions.h"
#include "codec/Decoder.h"
#include "codec/Password.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace quandrel {

namespace {

constexpr int kGroupSize = 4;
constexpr int kChecksumLength = 2;

QString tr(const char* text) { return QCoreApplication::translate("PasswordExplanation", text); }

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// "object 12" reads better with what the object is.
QString fieldTitle(const std::string& field)
{
    for (int object = 0; object < kObjectCount; ++object) {
        if (field == "object " + std::to_string(object)) {
            return tr("object %1 (%2)").arg(object).arg(objectDescription(object));
        }
    }
    return fromStd(field);
}

// The window only ever shows passwords it assembled, but a restored state is taken as it comes.
std::vector<FieldValue> valuesIn(const std::string& password)
{
    try {
        return fieldValues(decodeSlotText(password));
    } catch (const InvalidSymbol&) {
        return {};
    }
}

QString positions(const std::vector<int>& characters)
{
    QStringList numbers;
    for (const int k : characters) {
        numbers << QString::number(k);
    }
    return (characters.size() == 1 ? tr("character %1") : tr("characters %1")).arg(numbers.join(QStringLiteral(", ")));
}

} // namespace

PasswordExplanation::PasswordExplanation(const std::string& password)
    : m_password(password), m_values(valuesIn(password))
{}

QString PasswordExplanation::valueOf(const std::string& field) const
{
    if (field == "checksum") {
        return fromStd(m_password.size() >= static_cast<std::size_t>(kBodyLength)
                           ? m_password.substr(kBodyLength, kChecksumLength)
                           : "");
    }
    const auto found =
        std::find_if(m_values.begin(), m_values.end(), [&field](const FieldValue& v) { return v.name == field; });
    return found == m_values.end() ? QString() : fromStd(found->value);
}

QString PasswordExplanation::group(int group, std::bitset<4> changed) const
{
    const int first = kGroupSize * group + 1;
    if (static_cast<int>(m_password.size()) < first) {
        return {}; // nothing shown there yet
    }
    const int last = std::min(first + kGroupSize - 1, static_cast<int>(m_password.size()));
    const QString characters = fromStd(m_password.substr(static_cast<std::size_t>(first - 1), kGroupSize));

    // Each field once, with the characters that carry it.
    std::vector<std::pair<std::string, std::vector<int>>> fields;
    std::vector<int> silent;
    for (int k = first; k <= last; ++k) {
        const auto& names = fieldsOfCharacter(k);
        if (names.empty()) {
            silent.push_back(k);
        }
        for (const std::string& name : names) {
            auto found = std::find_if(fields.begin(), fields.end(), [&name](const auto& f) { return f.first == name; });
            if (found == fields.end()) {
                fields.push_back({name, {k}});
            } else {
                found->second.push_back(k);
            }
        }
    }

    // In password order, as the fields come in the password.
    const auto order = [this](const std::string& name) {
        return std::find_if(m_values.begin(), m_values.end(), [&name](const FieldValue& v) { return v.name == name; }) -
               m_values.begin();
    };
    std::stable_sort(fields.begin(), fields.end(),
                     [&order](const auto& a, const auto& b) { return order(a.first) < order(b.first); });

    QString text = first == last ? tr("<b>Character %1: %2</b>").arg(first).arg(characters)
                                 : tr("<b>Characters %1 to %2: %3</b>").arg(first).arg(last).arg(characters);
    text += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (const auto& [name, carriers] : fields) {
        text += QStringLiteral("<tr><td>%1</td><td>&nbsp;%2&nbsp;</td><td><i>%3</i></td></tr>")
                    .arg(fieldTitle(name).toHtmlEscaped(), valueOf(name).toHtmlEscaped(), positions(carriers));
    }
    text += QStringLiteral("</table>");
    if (!silent.empty()) {
        text += tr("%1: nothing that a load reads").arg(positions(silent));
    }
    std::vector<int> marked;
    for (int i = 0; i < kGroupSize; ++i) {
        if (changed.test(static_cast<std::size_t>(i))) {
            marked.push_back(first + i);
        }
    }
    if (!marked.empty()) {
        text += QStringLiteral("<br>") + tr("Marked: %1, changed by the last action").arg(positions(marked));
    }
    return text;
}

} // namespace quandrel
