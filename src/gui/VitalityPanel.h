#pragma once

#include "codec/GameState.h"

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quandrel {

class EditorDocument;

// Vitality and experience of both pairs: the user picks a row and steps its value with "-" and "+".
class VitalityPanel final : public QGroupBox {
    Q_OBJECT

public:
    VitalityPanel(EditorDocument& document, QWidget* parent);

private:
    void createLayout();
    void connectSignals();
    void refresh();

    EditorDocument& m_document;
    QButtonGroup* m_rowGroup = nullptr;
    std::array<QRadioButton*, kValueCount> m_rows{};
    std::array<QLabel*, kValueCount> m_values{};
    std::array<QPushButton*, 2> m_steps{}; // "-" then "+", as the model numbers them
};

} // namespace quandrel
