#include "PasswordGroupLabel.h"

#include "ThemeColours.h"

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
    if (m_marked.none()) {
        QLabel::paintEvent(event);
        return;
    }
    const QString shown = text();
    const auto eachMarked = [&](const auto& paint) {
        for (int i = 0; i < kCharacters && i < shown.size(); ++i) {
            if (m_marked.test(static_cast<std::size_t>(i))) {
                paint(i, characterRect(i));
            }
        }
    };
    {
        QPainter painter(this);
        eachMarked([&](int, const QRect& place) { painter.fillRect(place, markColour()); });
    }
    QLabel::paintEvent(event);
    // A dark theme's light text vanishes on the pale mark, so marked characters are drawn again
    // in a colour that reads on it; a light theme's text already does and is left as drawn.
    const QColor text = palette().color(foregroundRole());
    const QColor markedText = textColourOn(markColour(), palette());
    if (markedText != text) {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(markedText);
        eachMarked([&](int i, const QRect& place) {
            painter.fillRect(place, markColour());
            painter.drawText(place, Qt::AlignLeft | Qt::AlignTop, shown.mid(i, 1));
        });
    }
}

} // namespace quandrel
