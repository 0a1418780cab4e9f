#include "SlotPanel.h"

#include "ControlName.h"
#include "Twips.h"

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

SlotPanel::SlotPanel(QWidget* parent) : QGroupBox(parent)
{
    createLayout();
    connectSignals();
}

void SlotPanel::createLayout()
{
    setObjectName(QStringLiteral("Frame6"));
    setTitle(tr("Load / Save to disk"));
    setGeometry(twipsRect(4680, 120, 2775, 2055));

    for (int n = 0; n < kSlotCount; ++n) {
        const int top = kFirstTop + kRowPitch * n;
        auto* load = new QPushButton(tr("Loadgame %1").arg(n + 1), this);
        load->setObjectName(controlName(QStringLiteral("Command3"), n));
        load->setGeometry(twipsRect(kLoadLeft, top, kButtonWidth, kButtonHeight));
        m_loadButtons[static_cast<std::size_t>(n)] = load;

        auto* save = new QPushButton(tr("Savegame %1").arg(n + 1), this);
        save->setObjectName(controlName(QStringLiteral("Command2"), n));
        save->setGeometry(twipsRect(kSaveLeft, top, kButtonWidth, kButtonHeight));
        m_saveButtons[static_cast<std::size_t>(n)] = save;
    }
}

void SlotPanel::connectSignals()
{
    for (int n = 0; n < kSlotCount; ++n) {
        connect(m_loadButtons[static_cast<std::size_t>(n)], &QPushButton::clicked, this,
                [this, n] { emit loadRequested(n); });
        connect(m_saveButtons[static_cast<std::size_t>(n)], &QPushButton::clicked, this,
                [this, n] { emit saveRequested(n); });
    }
}

} // namespace quandrel
