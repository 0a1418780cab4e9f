#include "PasswordGroupLabel.h"

#include <QPainter>

namespace quandrel {

PasswordGroupLabel::PasswordGroupLabel(QWidget* parent) : QLabel(parent) {}

QColor PasswordGroupLabel::markColour() { return {0xFF, 0xE0, 0x60}; }

void PasswordGroupLabel::setMarkedCharacters(std::bitset<kCharacters> marked)
{
    if (marked != m_marked) {
        m_marked = marked;
        update();
    }
}

QRect PasswordGroupLabel::characterRect(int index) const
{
    // The text is drawn left and top aligned in the contents, without indent or margin.
    const QFontMetrics metrics = fontMetrics();
    const QRect contents = contentsRect();
    const QString shown = text();
    const int left = contents.left() + metrics.horizontalAdvance(shown.left(index));
    return {left, contents.top(), metrics.horizontalAdvance(shown.mid(index, 1)), metrics.height()};
}

void PasswordGroupLabel::paintEvent(QPaintEvent* event)
{
    if (m_marked.any()) {
        QPainter painter(this);
        for (int i = 0; i < kCharacters && i < text().size(); ++i) {
            if (m_marked.test(static_cast<std::size_t>(i))) {
                painter.fillRect(characterRect(i), markColour());
            }
        }
    }
    QLabel::paintEvent(event);
}

} // namespace quandrel
