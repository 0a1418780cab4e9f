#include "WorldPanel.h"

#include "AccessibleNames.h"
#include "ClickableLabel.h"
#include "ClickablePicture.h"
#include "ControlPlacement.h"
#include "EditorDocument.h"
#include "ReadableToolTip.h"
#include "ThemeColours.h"

#include <QCheckBox>
#include <QEvent>
#include <QSignalBlocker>

namespace quandrel {

WorldPanel::WorldPanel(EditorDocument& document, QWidget* parent) : QGroupBox(parent), m_document(document)
{
    createLayout();
    connectSignals();
    refresh();
}

void WorldPanel::createLayout()
{
    placeFrame(*this, windowControl("Frame5"));
    setAccessibleName(title());

    auto* heading = new QLabel(this);
    placeLabel(*heading, windowControl("Label4"));
    heading->setAccessibleName(heading->text());
    setReadableToolTip(*heading, controlToolTipText("Label4"));

    for (int column = 0; column < kFlagsPerWorld; ++column) {
        auto* picture = createPicture(windowControl("Image6", column), this);
        picture->setAccessibleName(fixedAccessibleName("Image6", column));
        setReadableToolTip(*picture, controlToolTipText("Image6", column));
    }

    for (int world = 0; world < kWorldCount; ++world) {
        auto* state = new ClickableLabel(this);
        placeLabel(*state, windowControl("Label3", world));
        setReadableToolTip(*state, controlToolTipText("Label3", world));
        m_states[static_cast<std::size_t>(world)] = state;
    }

    for (int i = 0; i < kFlagCount; ++i) {
        const ControlLayout& flagLayout = windowControl("Check1", i);
        auto* flag = new QCheckBox(this);
        placeControl(*flag, flagLayout);
        flag->setEnabled(flagLayout.enabled);
        flag->setPalette(disabledCheckBoxColours(palette()));
        flag->setAccessibleName(fixedAccessibleName("Check1", i));
        setReadableToolTip(*flag, controlToolTipText("Check1", i));
        m_flags[static_cast<std::size_t>(i)] = flag;
    }
}

void WorldPanel::connectSignals()
{
    connect(&m_document, &EditorDocument::changed, this, &WorldPanel::refresh);
    for (std::size_t w = 0; w < m_states.size(); ++w) {
        connect(m_states[w], &ClickableLabel::clicked, this,
                [this, w] { m_document.model().Label3_Click(static_cast<int>(w)); });
    }
}

void WorldPanel::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // The flags' colours follow the theme.
        for (QCheckBox* flag : m_flags) {
            flag->setPalette(disabledCheckBoxColours(palette()));
        }
    }
}

void WorldPanel::refresh()
{
    const EditorControls& controls = m_document.model().controls();
    for (std::size_t w = 0; w < m_states.size(); ++w) {
        const std::string_view caption = worldStateCaption(controls.worldStates[w]);
        const QString state = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
        m_states[w]->setText(state);
        m_states[w]->setAccessibleName(stateAccessibleName("Label3", static_cast<int>(w), controls));
    }
    for (std::size_t i = 0; i < m_flags.size(); ++i) {
        const QSignalBlocker blocker(m_flags[i]);
        m_flags[i]->setChecked(controls.flags[i]);
    }
}

} // namespace quandrel
