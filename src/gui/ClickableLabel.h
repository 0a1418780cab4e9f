#pragma once

#include "Clickable.h"

#include <QLabel>

namespace quandrel {

// A label that reports clicks, for captions the user clicks to change them. With the keyboard
// access setting on, it takes focus and Space or Enter clicks it.
class ClickableLabel final : public Clickable<QLabel> {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent);

    void click() override { emit clicked(); }

signals:
    // A left-button press and release both inside the label.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quandrel
