#include "SlotPanel.h"

#include "ControlName.h"
#include "SlotCommands.h"
#include "Twips.h"
#include "slots/SlotError.h"

#include <QMessageBox>
#include <QPushButton>

namespace quandrel {

namespace {

constexpr int kLoadLeft = 120;
constexpr int kSaveLeft = 1440;
constexpr int kFirstTop = 240;
constexpr int kRowPitch = 360;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 255;

} // namespace

SlotPanel::SlotPanel(SlotCommands& commands, QWidget* parent) : QGroupBox(parent), m_commands(commands)
{
    createLayout();
    connectSignals();
}

void SlotPanel::createLayout()
{
    setObjectName(QStringLiteral("Frame6"));
    setTitle(tr("Load / Save to disk"));
    setGeometry(twipsRect(4680, 120, 2775, 2055));
    setAccessibleName(title());

    for (int n = 0; n < kSlotCount; ++n) {
        const int slot = n + 1;
        const int top = kFirstTop + kRowPitch * n;
        // The full path, so a player who started the editor from the menu learns where slots are.
        const QString file = QString::fromStdString(m_commands.store().describe(slot));

        auto* load = new QPushButton(tr("Loadgame %1").arg(slot), this);
        load->setObjectName(controlName(QStringLiteral("Command3"), n));
        load->setGeometry(twipsRect(kLoadLeft, top, kButtonWidth, kButtonHeight));
        load->setAccessibleName(tr("Load slot %1").arg(slot));
        load->setToolTip(tr("Load the password saved in %1. Missing slot files are first created holding a "
                            "new game, so a slot never saved loads a new game.")
                             .arg(file));
        m_loadButtons[static_cast<std::size_t>(n)] = load;

        auto* save = new QPushButton(tr("Savegame %1").arg(slot), this);
        save->setObjectName(controlName(QStringLiteral("Command2"), n));
        save->setGeometry(twipsRect(kSaveLeft, top, kButtonWidth, kButtonHeight));
        save->setAccessibleName(tr("Save slot %1").arg(slot));
        save->setToolTip(tr("Save the password to %1, replacing what the slot held.").arg(file));
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
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace quandrel
