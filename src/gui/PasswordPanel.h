#pragma once

#include "codec/Password.h"

#include <QGroupBox>

#include <array>

class QLabel;

namespace quandrel {

class EditorModel;

// The password, in eleven groups of four characters and the last character on its own.
class PasswordPanel final : public QGroupBox {
    Q_OBJECT

public:
    PasswordPanel(EditorModel& model, QWidget* parent);

private:
    void createLayout();
    void connectSignals();
    void refresh();

    EditorModel& m_model;
    std::array<QLabel*, kDisplayGroupCount> m_groups{};
};

} // namespace quandrel
