#include "ClickableLabel.h"

#include "KeyboardAccess.h"
#include "PressableAccessible.h"

#include <QMouseEvent>
#include <QPainter>

namespace quandrel {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) { PressableAccessible::install(); }

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    // Accepting the press makes the release come here too.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    if (keyboardaccess::isClickKey(*event)) {
        click();
    } else if (!keyboardaccess::moveWithinPanel(this, event->key())) {
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        keyboardaccess::drawFocusRing(painter, *this);
    }
}

} // namespace quandrel
