#pragma once

#include <QGroupBox>

#include <array>
#include <filesystem>

class QPushButton;

namespace quandrel {

// The five "Loadgame" and five "Savegame" buttons. Button n of either column acts on slot n + 1;
// their tooltips name the slot file in `slotFolder`.
class SlotPanel final : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kSlotCount = 5;

    SlotPanel(const std::filesystem::path& slotFolder, QWidget* parent);

signals:
    void loadRequested(int index);
    void saveRequested(int index);

private:
    void createLayout(const std::filesystem::path& slotFolder);
    void connectSignals();

    std::array<QPushButton*, kSlotCount> m_loadButtons{};
    std::array<QPushButton*, kSlotCount> m_saveButtons{};
};

} // namespace quandrel
