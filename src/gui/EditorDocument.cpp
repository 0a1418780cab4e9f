#include "EditorDocument.h"

namespace quandrel {

EditorDocument::EditorDocument(QObject* parent) : QObject(parent)
{
    // The model dies with this object, so these two listeners never outlive what they call.
    m_model.addActionListener([this](const EditorControls& before) { emit actionFinished(before); });
    m_model.addChangeListener([this] { emit changed(); });
}

} // namespace quandrel
