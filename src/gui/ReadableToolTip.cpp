#include "ReadableToolTip.h"

#include <QTextDocument>
#include <QWidget>

namespace quandrel {

void setReadableToolTip(QWidget& widget, const QString& text)
{
    // As rich text: Qt wraps a rich-text tooltip to a readable width, but shows plain text on one
    // line, however long, until it is wider than the screen.
    widget.setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal));
    // Without a description of its own, a screen reader would read the tooltip, markup and all.
    widget.setAccessibleDescription(text);
}

} // namespace quandrel
