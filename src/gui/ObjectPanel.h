#pragma once

#include "editor/EditorControls.h"

#include <QGroupBox>

#include <array>

namespace quandrel {

class ClickablePicture;
class EditorDocument;

// The objects the player carries, the shield place and the select-all switch. A carried object
// shows a border; the shield place shows the one picture of the chosen shield.
class ObjectPanel final : public QGroupBox {
    Q_OBJECT

public:
    ObjectPanel(EditorDocument& document, QWidget* parent);

private:
    void createLayout();
    void connectSignals();
    void refresh();

    EditorDocument& m_document;
    std::array<ClickablePicture*, kObjectPictureCount> m_objects{};
    ClickablePicture* m_selectAll = nullptr;
};

} // namespace quandrel
