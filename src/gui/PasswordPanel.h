#pragma once

#include "codec/Password.h"

#include <QGroupBox>

#include <array>
#include <string>

namespace quandrel {

class EditorDocument;
class PasswordGroupLabel;

// The password, in eleven groups of four characters and the last character on its own. Each
// group explains its characters in a tooltip and marks those that the last action changed.
class PasswordPanel final : public QGroupBox {
    Q_OBJECT

public:
    PasswordPanel(EditorDocument& document, QWidget* parent);

private:
    void createLayout();
    void connectSignals();
    void refresh();
    void markChangedCharacters(const std::string& before);

    EditorDocument& m_document;
    std::array<PasswordGroupLabel*, kDisplayGroupCount> m_groups{};
};

} // namespace quandrel
