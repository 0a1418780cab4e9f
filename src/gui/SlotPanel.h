#pragma once

#include <QGroupBox>

#include <array>

class QPushButton;

namespace quandrel {

// The five "Loadgame" and five "Savegame" buttons. Button n of either column acts on slot n + 1.
class SlotPanel final : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kSlotCount = 5;

    explicit SlotPanel(QWidget* parent);

signals:
    void loadRequested(int index);
    void saveRequested(int index);

private:
    void createLayout();
    void connectSignals();

    std::array<QPushButton*, kSlotCount> m_loadButtons{};
    std::array<QPushButton*, kSlotCount> m_saveButtons{};
};

} // namespace quandrel
