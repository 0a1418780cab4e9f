#pragma once

#include "Clickable.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace quandrel {

// One of the window's pictures (named by its stem, as in "objects/object00"), shown at its natural size as
// a window of its palette shows it, also after a change of theme, and reporting clicks. With its border on it draws a
// 2-pixel frame around the picture and grows by that frame to the right and downward; its
// top-left corner never moves. With the keyboard access setting on, it takes focus and Space
// or Enter clicks it.
class ClickablePicture final : public Clickable<QWidget> {
    Q_OBJECT

public:
    static constexpr int kBorderWidth = 2;

    ClickablePicture(QString picture, QWidget* parent);

    void setBorder(bool on);

    // Whether anything listens to its clicks; the others only show.
    bool isClickable() const;
    void click() override { emit clicked(); }

signals:
    // A left-button press and release both inside the picture.
    void clicked();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A click that hid this picture showed another in its place (the next shield, the other
    // warrior): the focus moves there, so that the keys can step it again.
    void handFocusToSuccessor();

    QString m_pictureName;
    QPixmap m_picture;
    bool m_border = false;
};

} // namespace quandrel
