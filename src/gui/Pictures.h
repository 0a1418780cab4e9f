#pragma once

#include <QPixmap>
#include <QString>

namespace quandrel {

// One of the window's pictures, compiled into this library; `path` is relative to the picture
// folder, as in "objects/object00.gif".
QPixmap loadPicture(const QString& path);

} // namespace quandrel
