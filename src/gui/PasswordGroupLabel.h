#pragma once

#include "codec/Alphabets.h"

#include <QLabel>

#include <bitset>

namespace quandrel {

// One group of the shown password. It can mark some of its characters, as with a highlighter
// pen: the marks are drawn behind the text, so the text itself stays the plain password.
class PasswordGroupLabel final : public QLabel {
    Q_OBJECT

public:
    static constexpr int kCharacters = kGroupSize;

    explicit PasswordGroupLabel(QWidget* parent);

    std::bitset<kCharacters> markedCharacters() const { return m_marked; }
    void setMarkedCharacters(std::bitset<kCharacters> marked);

    // The place of character `index` of the text, where its mark is drawn.
    QRect characterRect(int index) const;

    // Background of a character that the last action changed.
    static QColor markColour();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::bitset<kCharacters> m_marked;
};

} // namespace quandrel
