#include "WarriorPanel.h"

#include "AccessibleNames.h"
#include "ClickablePicture.h"
#include "ControlPlacement.h"
#include "EditorDocument.h"
#include "ReadableToolTip.h"

namespace quandrel {

WarriorPanel::WarriorPanel(EditorDocument& document, QWidget* parent) : QGroupBox(parent), m_document(document)
{
    createLayout();
    connectSignals();
    refresh();
}

void WarriorPanel::createLayout()
{
    placeFrame(*this, windowControl("Frame3"));
    setAccessibleName(title());

    for (std::size_t i = 0; i < m_pictures.size(); ++i) {
        auto* picture = createPicture(windowControl("Image5", static_cast<int>(i)), this);
        setReadableToolTip(*picture, controlToolTipText("Image5", static_cast<int>(i)));
        m_pictures[i] = picture;
    }
}

void WarriorPanel::connectSignals()
{
    connect(&m_document, &EditorDocument::changed, this, &WarriorPanel::refresh);
    for (std::size_t i = 0; i < m_pictures.size(); ++i) {
        connect(m_pictures[i], &ClickablePicture::clicked, this,
                [this, i] { m_document.model().Image5_Click(static_cast<int>(i)); });
    }
}

void WarriorPanel::refresh()
{
    const EditorControls& controls = m_document.model().controls();
    for (std::size_t i = 0; i < m_pictures.size(); ++i) {
        m_pictures[i]->setBorder(controls.warriorBorder[i]);
        m_pictures[i]->setVisible(controls.warriorVisible[i]);
        m_pictures[i]->setAccessibleName(stateAccessibleName("Image5", static_cast<int>(i), controls));
    }
}

} // namespace quandrel
