#include "PasswordExplanation.h"
#include "codec/Alphabets.h"

#include "editor/PictureDescriptions.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace quandrel {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("PasswordExplanation", text); }

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// "object 12" reads better with what the object is.
QString fieldTitle(const CarriedField& field)
{
    if (field.field.kind == FieldKind::Object) {
        return tr("object %1 (%2)").arg(field.field.index).arg(QString::fromUtf8(describeObject(field.field.index)));
    }
    return fromStd(field.name);
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
    : m_password(password), m_fields(passwordFields(password))
{}

QString PasswordExplanation::group(int group, std::bitset<4> changed) const
{
    const int first = kGroupSize * group + 1;
    if (static_cast<int>(m_password.size()) < first) {
        return {}; // nothing shown there yet
    }
    const int last = std::min(first + kGroupSize - 1, static_cast<int>(m_password.size()));
    const QString characters = fromStd(m_password.substr(static_cast<std::size_t>(first - 1), kGroupSize));

    // The window only ever shows passwords it assembled, but a restored state is taken as it
    // comes: one that does not decode still names its fields, without values.
    const std::vector<CarriedField> fields = fieldsCarriedBy(m_fields, characterRange(first, last));
    std::vector<int> silent;
    for (int k = first; k <= last; ++k) {
        if (fieldsOfCharacter(k).empty()) {
            silent.push_back(k);
        }
    }

    QString text = first == last ? tr("<b>Character %1: %2</b>").arg(first).arg(characters)
                                 : tr("<b>Characters %1 to %2: %3</b>").arg(first).arg(last).arg(characters);
    text += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (const CarriedField& field : fields) {
        text += QStringLiteral("<tr><td>%1</td><td>&nbsp;%2&nbsp;</td><td><i>%3</i></td></tr>")
                    .arg(fieldTitle(field).toHtmlEscaped(), fromStd(field.value).toHtmlEscaped(),
                         positions(field.characters));
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
