#include "PasswordPanel.h"

#include "AccessibleNames.h"
#include "ControlPlacement.h"
#include "EditorDocument.h"
#include "PasswordExplanation.h"
#include "PasswordGroupLabel.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTextDocumentFragment>

namespace quandrel {

namespace {

// Spelled out, so that a screen reader reads the characters one by one.
QFont passwordFont(const FontLayout& layout)
{
    const QString family = layoutText(layout.family);
    // Where that family is missing, the window's own font stands in. Asking for the missing
    // family would cost the start-up a second search through every installed font, to end on
    // the desktop's sans-serif all the same.
    QFont font = QApplication::font();
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        font = QFont(family);
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(layout.points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

PasswordPanel::PasswordPanel(EditorDocument& document, QWidget* parent) : QGroupBox(parent), m_document(document)
{
    createLayout();
    connectSignals();
    refresh();
}

void PasswordPanel::createLayout()
{
    placeFrame(*this, windowControl("Frame7"));
    setAccessibleName(title().trimmed());

    const QFont font = passwordFont(windowControl("Label6", 0).font);
    for (int g = 0; g < kDisplayGroupCount; ++g) {
        auto* group = new PasswordGroupLabel(this);
        placeLabel(*group, windowControl("Label6", g));
        group->setFont(font);
        m_groups[static_cast<std::size_t>(g)] = group;
    }
}

void PasswordPanel::connectSignals()
{
    connect(&m_document, &EditorDocument::actionFinished, this,
            [this](const EditorControls& before) { markChangedCharacters(before.password); });
    connect(&m_document, &EditorDocument::changed, this, &PasswordPanel::refresh);
}

void PasswordPanel::markChangedCharacters(const std::string& before)
{
    // A character is changed when it stood there before with another value; the first
    // assembly, with nothing shown before it, marks nothing.
    const std::string& after = m_document.model().controls().password;
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        std::bitset<PasswordGroupLabel::kCharacters> changed;
        for (std::size_t i = 0; i < changed.size(); ++i) {
            const std::size_t k = PasswordGroupLabel::kCharacters * g + i;
            changed[i] = k < before.size() && k < after.size() && before[k] != after[k];
        }
        m_groups[g]->setMarkedCharacters(changed);
    }
}

void PasswordPanel::refresh()
{
    const PasswordExplanation explanation(m_document.model().controls().password);
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        m_groups[g]->setText(QString::fromStdString(m_document.model().displayGroup(static_cast<int>(g))));
        const QString explained = explanation.group(static_cast<int>(g), m_groups[g]->markedCharacters());
        m_groups[g]->setToolTip(explained);
        // A screen reader reads the description as it stands, so it gets the tooltip's words without markup.
        m_groups[g]->setAccessibleDescription(QTextDocumentFragment::fromHtml(explained).toPlainText());
        m_groups[g]->setAccessibleName(
            stateAccessibleName("Label6", static_cast<int>(g), m_document.model().controls()));
    }
}

} // namespace quandrel
