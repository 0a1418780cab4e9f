#include "MainWindow.h"

#include "ControlPlacement.h"
#include "CounterPanel.h"
#include "EditorActions.h"
#include "KeyboardAccess.h"
#include "MainMenuBar.h"
#include "ObjectPanel.h"
#include "PasswordContextMenu.h"
#include "PasswordPanel.h"
#include "Pictures.h"
#include "SlotPanel.h"
#include "Twips.h"
#include "VersionPanel.h"
#include "VitalityPanel.h"
#include "WarriorPanel.h"
#include "WorldPanel.h"
#include "credits/CreditsWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>

namespace quandrel {

MainWindow::MainWindow(std::filesystem::path slotFolder, QWidget* parent)
    : QMainWindow(parent), m_slots(m_document.model(), SlotStore(std::move(slotFolder)))
{
    createLayout();
    connectSignals();
    m_document.session().start();
    createMenus();
    placeAtScreenCentre();
}

void MainWindow::createLayout()
{
    const ControlLayout& form = windowControl("Form1");
    setObjectName(QString::fromStdString(controlName(form)));
    setWindowTitle(layoutText(form.caption));
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    QFont captionFont = font();
    captionFont.setPointSizeF(form.font.points);
    setFont(captionFont);

    // The client area keeps its size whatever bars the window gets above it; the window
    // follows it and cannot be resized.
    m_clientArea = new QWidget(this);
    m_clientArea->setFixedSize(twipsRect(form.rect).size());
    setCentralWidget(m_clientArea);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_counterPanel = new CounterPanel(m_document, m_clientArea);
    new WarriorPanel(m_document, m_clientArea);
    new VitalityPanel(m_document, m_clientArea);
    new SlotPanel(m_slots, m_clientArea);
    new VersionPanel(m_clientArea);
    new ObjectPanel(m_document, m_clientArea);
    new WorldPanel(m_document, m_clientArea);
    m_passwordPanel = new PasswordPanel(m_document, m_clientArea);

    m_counterPanel->setFocus();
}

void MainWindow::createMenus()
{
    const QString slotFolder =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(m_slots.store().describe(1)))).absolutePath();
    m_actions = new EditorActions(m_document, slotFolder, this);
    setMenuBar(new MainMenuBar(*m_actions, this));
    new PasswordContextMenu(m_actions->copyPassword(), m_passwordPanel);

    QAction* keyboardAccess = m_actions->keyboardAccess();
    keyboardAccess->setChecked(keyboardaccess::saved());
    setKeyboardAccess(keyboardAccess->isChecked());
    connect(keyboardAccess, &QAction::toggled, this, [this](bool on) {
        if (!keyboardaccess::save(on)) {
            tellSettingNotKept();
        }
        setKeyboardAccess(on);
    });
}

void MainWindow::tellSettingNotKept()
{
    // Window-modal but not blocking, as the window's other notes.
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle().trimmed(),
                        tr("The setting could not be saved, so it lasts for this run only."), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("settingNotKept"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::turnOnKeyboardAccessForThisRun()
{
    const QSignalBlocker unsaved(m_actions->keyboardAccess());
    m_actions->keyboardAccess()->setChecked(true);
    setKeyboardAccess(true);
}

void MainWindow::setKeyboardAccess(bool on)
{
    keyboardaccess::setReachable(m_clientArea, on);
    // Focus left on a control that no longer takes it goes back where the window starts it.
    if (!on && focusWidget() != nullptr && focusWidget()->focusPolicy() == Qt::NoFocus) {
        m_counterPanel->setFocus();
    }
}

void MainWindow::connectSignals()
{
    connect(m_counterPanel, &CounterPanel::characterKeyPressed, this, &MainWindow::counterKeyPressed);
}

void MainWindow::counterKeyPressed(bool triggerWord)
{
    // The first key typed into a counter box creates the credits window, hidden.
    if (m_credits == nullptr) {
        m_credits = new CreditsWindow(this);
    }
    if (triggerWord) {
        m_credits->show();
        m_credits->raise();
        m_credits->startAnimation();
    } else {
        m_credits->hide();
        m_credits->stopAnimation();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the editor discards the credits window too, shown or hidden.
    delete m_credits;
    QMainWindow::closeEvent(event);
}

void MainWindow::placeAtScreenCentre()
{
    adjustSize();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

} // namespace quandrel
