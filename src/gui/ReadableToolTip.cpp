#include "ReadableToolTip.h"

#include <QTextDocument>
#include <QWidget>

namespace quandrel {

void setReadableToolTip(QWidget& widget, const QString& text)
{
    QString sentence = text;
    if (!sentence.isEmpty()) {
        sentence[0] = sentence[0].toUpper(); // many start with a picture's description, written to stand mid-sentence
    }
    // As rich text: Qt wraps a rich-text tooltip to a readable width, but shows plain text on one
    // line, however long, until it is wider than the screen.
    widget.setToolTip(Qt::convertFromPlainText(sentence, Qt::WhiteSpaceNormal));
    // Without a description of its own, a screen reader would read the tooltip, markup and all.
    widget.setAccessibleDescription(sentence);
}

} // namespace quandrel
