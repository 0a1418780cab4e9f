#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QString>

namespace quandrel {

// Which drawing of a picture suits a screen of the given device pixel ratio: the next whole
// ratio up, at most 3, the finest drawn.
int pictureRatio(qreal devicePixelRatio);

// The file of a picture's drawing for `ratio` device pixels per pixel, named from its stem:
// "objects/object00" at 2 with "png" is "objects/object00@2x.png", at 1 "objects/object00.png".
QString drawingFileName(const QString& stem, int ratio, QStringView extension);

// The drawing of one of the window's pictures for `ratio` device pixels per pixel, and saying so,
// with its soft edges as alpha, compiled into this library; `stem` names the picture as the
// window's layout does, as in "objects/object00". Null for an unknown stem or ratio.
QImage loadDrawing(const QString& stem, int ratio);

// The ink of the pictures that are words on a window of this palette: their own dark ink where it
// reads, else the palette's text colour, kept legible.
QColor wordInk(const QPalette& palette);

// The picture as a window of this palette shows it: the drawing blended onto the palette's window
// colour, the words in the ink that reads there. It is the drawing for `ratio` device pixels per
// pixel and says so, so that its size in logical pixels is the same at every ratio. Null for an
// unknown stem or ratio.
QPixmap loadPicture(const QString& stem, int ratio, const QPalette& palette);

// The picture drawn for the finest of the application's screens, for a window of this palette.
QPixmap loadPicture(const QString& stem, const QPalette& palette);

// The editor's own icon, for its windows.
QIcon applicationIcon();

} // namespace quandrel
