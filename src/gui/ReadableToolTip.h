#pragma once

#include <QString>

class QWidget;

namespace quandrel {

// Gives `widget` the tooltip `text`, wrapped to a readable width, and
// the same words as plain text for screen readers.
void setReadableToolTip(QWidget& widget, const QString& text);

} // namespace quandrel
