#include "SlotPanel.h"

#include "AccessibleNames.h"
#include "ControlPlacement.h"
#include "ReadableToolTip.h"
#include "SlotCommands.h"
#include "Twips.h"
#include "slotfile/SlotError.h"

#include <QMessageBox>
#include <QPushButton>

namespace quandrel {

SlotPanel::SlotPanel(SlotCommands& commands, QWidget* parent) : QGroupBox(parent), m_commands(commands)
{
    createLayout();
    connectSignals();
}

void SlotPanel::createLayout()
{
    placeFrame(*this, windowControl("Frame6"));
    setAccessibleName(title());

    for (int n = 0; n < kSlotCount; ++n) {
        const int slot = n + 1;
        // The full path, so a player who started the editor from the menu learns where slots are.
        const QString file = QString::fromStdString(m_commands.store().describe(slot));

        const ControlLayout& loadLayout = windowControl("Command3", n);
        auto* load = new QPushButton(layoutText(loadLayout.caption), this);
        placeControl(*load, loadLayout);
        load->setAccessibleName(fixedAccessibleName("Command3", n));
        setReadableToolTip(*load, controlToolTipText("Command3", n, file));
        m_loadButtons[static_cast<std::size_t>(n)] = load;

        const ControlLayout& saveLayout = windowControl("Command2", n);
        auto* save = new QPushButton(layoutText(saveLayout.caption), this);
        placeControl(*save, saveLayout);
        save->setAccessibleName(fixedAccessibleName("Command2", n));
        setReadableToolTip(*save, controlToolTipText("Command2", n, file));
        m_saveButtons[static_cast<std::size_t>(n)] = save;
    }
}

void SlotPanel::connectSignals()
{
    for (int n = 0; n < kSlotCount; ++n) {
        connect(m_loadButtons[static_cast<std::size_t>(n)], &QPushButton::clicked, this,
                [this, n] { Command3_Click(n); });
        connect(m_saveButtons[static_cast<std::size_t>(n)], &QPushButton::clicked, this,
                [this, n] { Command2_Click(n); });
    }
}

void SlotPanel::Command2_Click(int index)
{
    runSlotCommand([this, index] { m_commands.Command2_Click(index); });
}

void SlotPanel::Command3_Click(int index)
{
    runSlotCommand([this, index] { m_commands.Command3_Click(index); });
}

void SlotPanel::runSlotCommand(const std::function<void()>& command)
{
    QString failure;
    try {
        command();
        return;
    } catch (const SlotError& error) {
        failure = QString::fromLocal8Bit(error.what());
    } catch (const std::exception& error) {
        failure = tr("The slot command failed: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    // Window-modal but not blocking: the editor keeps its state and goes on once it is read.
    auto* box =
        new QMessageBox(QMessageBox::Warning, window()->windowTitle().trimmed(), failure, QMessageBox::Ok, window());
    box->setObjectName(QStringLiteral("slotError"));
    // The failure names a folder, which may hold anything a name can; it is shown as it is.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace quandrel
