#pragma once

#include <QLabel>

namespace quandrel {

// A label that reports clicks, for captions the user clicks to change them. With the keyboard
// access setting on, it takes focus and Space or Enter clicks it.
class ClickableLabel final : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent);

    // A click from the keyboard or a screen reader.
    void click() { emit clicked(); }

signals:
    // A left-button press and release both inside the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quandrel
