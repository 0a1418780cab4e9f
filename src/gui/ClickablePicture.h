#pragma once

#include <QPixmap>
#include <QWidget>

namespace quandrel {

// A picture shown at its natural size that reports clicks. With its border on it draws a
// 2-pixel frame around the picture and grows by that frame to the right and downward; its
// top-left corner never moves.
class ClickablePicture final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBorderWidth = 2;

    ClickablePicture(const QPixmap& picture, QWidget* parent);

    void setBorder(bool on);

signals:
    // A left-button press and release both inside the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    bool m_border = false;
};

} // namespace quandrel
