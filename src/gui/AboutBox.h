#pragma once

#include <QString>

class QWidget;

namespace quandrel {

// Help > About: the program's version and licence, where its slot files are kept, and where to
// read more.
QString aboutText(const QString& slotFolder);
void showAbout(QWidget* window, const QString& slotFolder);

} // namespace quandrel
