#pragma once

#include "editor/EditorControls.h"

#include <QGroupBox>

#include <array>

namespace quandrel {

class ClickablePicture;
class EditorDocument;

// The two warriors: a click on whichever picture is shown moves to the next warrior state.
class WarriorPanel final : public QGroupBox {
    Q_OBJECT

public:
    WarriorPanel(EditorDocument& document, QWidget* parent);

private:
    void createLayout();
    void connectSignals();
    void refresh();

    EditorDocument& m_document;
    std::array<ClickablePicture*, kWarriorPictureCount> m_pictures{};
};

} // namespace quandrel
