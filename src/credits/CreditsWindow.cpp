#include "CreditsWindow.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, so it must be
// called from the global one.
static void registerCreditsResources() { Q_INIT_RESOURCE(credits); }

namespace quandrel {

namespace {

constexpr QSize kClientSize(320, 206); // 4800 x 3090 twips

} // namespace

CreditsWindow::CreditsWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    // A static library's resources are registered by hand, once, before the first use.
    [[maybe_unused]] static const bool registered = (registerCreditsResources(), true);
    createLayout();
    connectSignals();
    m_timer->start();
}

void CreditsWindow::createLayout()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Credits:"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Closing it with its close box discards it, as an unload does.
    setAttribute(Qt::WA_DeleteOnClose);
    QIcon icon(QStringLiteral(":/credits/icon.png"));
    icon.addFile(QStringLiteral(":/credits/icon16.png"));
    setWindowIcon(icon);
    setFixedSize(kClientSize);
    setStyleSheet(QStringLiteral("background: black;"));

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    const QPixmap credits(QStringLiteral(":/credits/credits.gif"));
    m_picture->setPixmap(credits);
    m_picture->setGeometry(0, 0, credits.width(), credits.height());

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kTickMilliseconds);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void CreditsWindow::connectSignals() { connect(m_timer, &QTimer::timeout, this, &CreditsWindow::Timer1_Timer); }

void CreditsWindow::Timer1_Timer()
{
    m_picture->move(m_picture->x(), m_picture->y() - 1);
    if (m_picture->y() < kLastTop) {
        m_timer->stop();
    }
}

void CreditsWindow::startAnimation() { m_timer->start(); }

void CreditsWindow::stopAnimation() { m_timer->stop(); }

bool CreditsWindow::animationRunning() const { return m_timer->isActive(); }

int CreditsWindow::pictureTop() const { return m_picture->y(); }

void CreditsWindow::keyPressEvent(QKeyEvent* event)
{
    // Only keys that produce a character close it; arrows, function and modifier keys do not.
    if (event->text().isEmpty() || event->text().front().unicode() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    stopAnimation();
    hide();
    close();
}

} // namespace quandrel
