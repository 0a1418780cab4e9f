#include "ClickablePicture.h"

#include "KeyboardAccess.h"
#include "Pictures.h"
#include "ThemeColours.h"

#include <QEvent>
#include <QMetaMethod>
#include <QPainter>
#include <qdrawutil.h>

#include <utility>

namespace quandrel {

ClickablePicture::ClickablePicture(QString picture, QWidget* parent)
    : Clickable(parent), m_pictureName(std::move(picture)), m_picture(loadPicture(m_pictureName, palette()))
{
    resize(m_picture.deviceIndependentSize().toSize());
}

bool ClickablePicture::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ClickablePicture::clicked));
}

void ClickablePicture::setBorder(bool on)
{
    if (on == m_border) {
        return;
    }
    m_border = on;
    const int frame = m_border ? 2 * kBorderWidth : 0;
    resize(m_picture.deviceIndependentSize().toSize() + QSize(frame, frame));
    update();
}

void ClickablePicture::changeEvent(QEvent* event)
{
    Clickable::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // Soft edges are blended onto the window colour, and words take its text colour.
        m_picture = loadPicture(m_pictureName, palette());
        update();
    }
}

void ClickablePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // On a screen between whole ratios the nearest finer drawing is shrunk to fit; smoothly, so
    // its thin lines do not break up.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_border) {
        qDrawWinPanel(&painter, rect(), sunkenFramePalette(palette()), true);
        painter.drawPixmap(kBorderWidth, kBorderWidth, m_picture);
    } else {
        painter.drawPixmap(0, 0, m_picture);
    }
    if (hasFocus()) {
        keyboardaccess::drawFocusRing(painter, *this);
    }
}

void ClickablePicture::keyPressEvent(QKeyEvent* event)
{
    Clickable::keyPressEvent(event);
    handFocusToSuccessor();
}

void ClickablePicture::handFocusToSuccessor()
{
    if (isVisible() || parentWidget() == nullptr) {
        return;
    }
    for (auto* sibling : parentWidget()->findChildren<ClickablePicture*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != this && sibling->isVisible() && sibling->pos() == pos()) {
            sibling->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace quandrel
