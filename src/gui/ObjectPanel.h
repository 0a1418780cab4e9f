#pragma once

#include "editor/EditorControls.h"

#include <QGroupBox>

#include <array>

namespace quandrel {

class ClickablePicture;
class EditorModel;

// The objects the player carries, the shield place and the select-all switch. A carried object
// shows a border; the shield place shows the one picture of the chosen shield.
class ObjectPanel final : public QGroupBox {
    Q_OBJECT

public:
    ObjectPanel(EditorModel& model, QWidget* parent);

private:
    void createLayout();
    void connectSignals();
    void refresh();

    EditorModel& m_model;
    std::array<ClickablePicture*, kObjectPictureCount> m_objects{};
    ClickablePicture* m_selectAll = nullptr;
};

} // namespace quandrel
