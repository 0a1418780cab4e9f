#pragma once

#include "editor/EditorControls.h"

#include <QGroupBox>

#include <array>

class QCheckBox;

namespace quandrel {

class ClickableLabel;
class EditorDocument;

// The state of each world and its four flags. A click on a world's state makes it the current
// world; the flags only show what the model sets.
class WorldPanel final : public QGroupBox {
    Q_OBJECT

public:
    WorldPanel(EditorDocument& document, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void createLayout();
    void connectSignals();
    void refresh();

    EditorDocument& m_document;
    std::array<ClickableLabel*, kWorldCount> m_states{};
    std::array<QCheckBox*, kFlagCount> m_flags{};
};

} // namespace quandrel
