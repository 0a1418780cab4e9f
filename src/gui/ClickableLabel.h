#pragma once

#include <QLabel>

namespace quandrel {

// A label that reports clicks, for captions the user clicks to change them.
class ClickableLabel final : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent);

signals:
    // A left-button press and release both inside the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quandrel
