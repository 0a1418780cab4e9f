#include "EditorDocument.h"

namespace quandrel {

EditorDocument::EditorDocument(QObject* parent) : QObject(parent)
{
    // The session dies with this object, so these two listeners never outlive what they call.
    model().addActionListener([this](const EditorControls& before) { emit actionFinished(before); });
    model().addChangeListener([this] { emit changed(); });
}

} // namespace quandrel
