#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace quandrel {

// Which drawing of a picture suits a screen of the given device pixel ratio: the next whole
// ratio up, at most 3, the finest drawn.
int pictureRatio(qreal devicePixelRatio);

// One of the window's pictures, compiled into this library; `path` is relative to the picture
// folder, as in "objects/object00.gif". It is the drawing for `ratio` device pixels per pixel and
// says so, so that its size in logical pixels is the same at every ratio. Null for an unknown
// path or ratio.
QPixmap loadPicture(const QString& path, int ratio);

// The picture drawn for the finest of the application's screens.
QPixmap loadPicture(const QString& path);

// The editor's own icon, for its windows.
QIcon applicationIcon();

} // namespace quandrel
