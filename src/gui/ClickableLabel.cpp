#include "ClickableLabel.h"

#include "KeyboardAccess.h"

#include <QPainter>

namespace quandrel {

ClickableLabel::ClickableLabel(QWidget* parent) : Clickable(parent) {}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        keyboardaccess::drawFocusRing(painter, *this);
    }
}

} // namespace quandrel
