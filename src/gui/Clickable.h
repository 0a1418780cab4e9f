#pragma once

#include "KeyboardAccess.h"
#include "PressableAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quandrel {

// What makes a picture or a label click like a button: a left-button press and release both
// inside it, or, with the keyboard access setting on, Space or Enter while it has the focus; the
// arrow keys move within its panel. `Widget` is the Qt widget it shows as.
template <class Widget> class Clickable : public Widget {
public:
    explicit Clickable(QWidget* parent) : Widget(parent) { PressableAccessible::install(); }

    // A click from the mouse, the keyboard or a screen reader.
    virtual void click() = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        // Accepting the press makes the release come here too.
        event->setAccepted(event->button() == Qt::LeftButton);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && this->rect().contains(event->position().toPoint())) {
            click();
        }
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (keyboardaccess::isClickKey(*event)) {
            click();
        } else if (!keyboardaccess::moveWithinPanel(this, event->key())) {
            Widget::keyPressEvent(event);
        }
    }
};

} // namespace quandrel
