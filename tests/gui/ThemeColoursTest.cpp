#include "gui/ThemeColours.h"
#include "gui/Contrast.h"
#include "gui/PasswordGroupLabel.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

namespace quandrel {

// The colours the window adds stay legible in light and dark themes, and the light theme keeps
// the original look.
class ThemeColoursTest final : public QObject {
    Q_OBJECT

private slots:
    void addedTextReadsOnBothThemes_data();
    void addedTextReadsOnBothThemes();
    void lightThemeKeepsTheOriginalColours();
    void sunkenFramesStandOutOnDark();
    void markedCharactersAreDrawnLegiblyOnDark();

private:
    static QPalette lightPalette();
    static QPalette darkPalette();
};

QPalette ThemeColoursTest::lightPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

// As dark desktop themes have it: light grey text on a near-black window.
QPalette ThemeColoursTest::darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEC));
    return dark;
}

void ThemeColoursTest::addedTextReadsOnBothThemes_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << lightPalette();
    QTest::newRow("dark") << darkPalette();
    QPalette darker = darkPalette();
    darker.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    QTest::newRow("dark grey") << darker;
}

void ThemeColoursTest::addedTextReadsOnBothThemes()
{
    QFETCH(QPalette, palette);
    const double problemText = contrast::ratio(problemColour(palette), palette.color(QPalette::Window));
    QVERIFY2(problemText >= 4.5, qPrintable(QString::number(problemText)));
    const QColor mark = PasswordGroupLabel::markColour();
    const double markedText = contrast::ratio(textColourOn(mark, palette), mark);
    QVERIFY2(markedText >= 4.5, qPrintable(QString::number(markedText)));
}

void ThemeColoursTest::lightThemeKeepsTheOriginalColours()
{
    const QPalette light = lightPalette();
    QCOMPARE(problemColour(light), QColor(0xC0, 0x00, 0x00));
    QCOMPARE(textColourOn(PasswordGroupLabel::markColour(), light), light.color(QPalette::WindowText));
}

void ThemeColoursTest::sunkenFramesStandOutOnDark()
{
    const QPalette light = lightPalette();
    QCOMPARE(sunkenFramePalette(light), light);

    QPalette dark = darkPalette();
    // As dark themes give it: the lit bevel barely lighter than the window.
    dark.setColor(QPalette::Light, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Midlight, QColor(0x2A, 0x2A, 0x2A));
    const QPalette frame = sunkenFramePalette(dark);
    for (const QPalette::ColorRole role : {QPalette::Light, QPalette::Midlight}) {
        const double ratio = contrast::ratio(frame.color(role), dark.color(QPalette::Window));
        QVERIFY2(ratio >= 3.0, qPrintable(QString::number(ratio)));
    }
}

void ThemeColoursTest::markedCharactersAreDrawnLegiblyOnDark()
{
    QWidget parent;
    parent.setPalette(darkPalette());
    auto* label = new PasswordGroupLabel(&parent);
    label->setText(QStringLiteral("UR3Q"));
    label->resize(label->sizeHint());
    label->setMarkedCharacters(0b0010);

    const QImage image = label->grab().toImage();
    const QRect place = label->characterRect(1).intersected(image.rect());
    int light = 0;
    int dark = 0;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            // The theme's near-white text would show where the pale mark has no blue.
            light += pixel.blue() > 0xA0 ? 1 : 0;
            dark += pixel.red() < 0x80 ? 1 : 0;
        }
    }
    QCOMPARE(light, 0);
    QVERIFY(dark > 0);
}

} // namespace quandrel

QTEST_MAIN(quandrel::ThemeColoursTest)
#include "ThemeColoursTest.moc"
