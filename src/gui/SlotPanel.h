#pragma once

#include "slotstore/SlotStore.h"

#include <QGroupBox>

#include <array>
#include <functional>

class QPushButton;

namespace quandrel {

class SlotCommands;

// The five "Loadgame" and five "Savegame" buttons. Button n of either column acts on slot n + 1;
// their tooltips name the slot files, and a failed save or load leaves the editor as it was and
// says why in a message box.
class SlotPanel final : public QGroupBox {
    Q_OBJECT

public:
    SlotPanel(SlotCommands& commands, QWidget* parent);

private:
    void createLayout();
    void connectSignals();

    void Command2_Click(int index); // "Savegame index + 1"
    void Command3_Click(int index); // "Loadgame index + 1"
    // Runs a save or load, and tells the user what failed, if anything.
    void runSlotCommand(const std::function<void()>& command);

    SlotCommands& m_commands;
    std::array<QPushButton*, kSlotCount> m_loadButtons{};
    std::array<QPushButton*, kSlotCount> m_saveButtons{};
};

} // namespace quandrel
