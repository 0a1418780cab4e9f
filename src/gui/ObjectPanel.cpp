#include "ObjectPanel.h"

#include "AccessibleNames.h"
#include "ClickablePicture.h"
#include "ControlPlacement.h"
#include "EditorDocument.h"
#include "ReadableToolTip.h"
#include "editor/PictureDescriptions.h"

namespace quandrel {

namespace {

// What a picture shows, as the start of its accessible name.
QString pictureName(int index)
{
    return index < kObjectCount ? QString::fromUtf8(describeObject(index)) : fixedAccessibleName("Image4", index);
}

} // namespace

ObjectPanel::ObjectPanel(EditorDocument& document, QWidget* parent) : QGroupBox(parent), m_document(document)
{
    createLayout();
    connectSignals();
    refresh();
}

void ObjectPanel::createLayout()
{
    placeFrame(*this, windowControl("Frame4"));
    setAccessibleName(title());

    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        const int index = static_cast<int>(i);
        auto* picture = createPicture(windowControl("Image4", index), this);
        picture->setAccessibleName(pictureName(index));
        setReadableToolTip(*picture, controlToolTipText("Image4", index));
        m_objects[i] = picture;
    }

    m_selectAll = createPicture(windowControl("Image8"), this);
    m_selectAll->setAccessibleName(fixedAccessibleName("Image8"));
    setReadableToolTip(*m_selectAll, controlToolTipText("Image8"));
}

void ObjectPanel::connectSignals()
{
    connect(&m_document, &EditorDocument::changed, this, &ObjectPanel::refresh);
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        connect(m_objects[i], &ClickablePicture::clicked, this,
                [this, i] { m_document.model().Image4_Click(static_cast<int>(i)); });
    }
    connect(m_selectAll, &ClickablePicture::clicked, this, [this] { m_document.model().Image8_Click(); });
}

void ObjectPanel::refresh()
{
    const EditorControls& controls = m_document.model().controls();
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        m_objects[i]->setBorder(controls.objectBorder[i]);
        m_objects[i]->setVisible(controls.objectVisible[i]);
    }
    for (int object = 0; object < kObjectCount; ++object) {
        m_objects[static_cast<std::size_t>(object)]->setAccessibleName(stateAccessibleName("Image4", object, controls));
    }
    m_selectAll->setBorder(controls.selectAllBorder);
}

} // namespace quandrel
