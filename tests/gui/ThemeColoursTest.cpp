#include "gui/ThemeColours.h"
#include "ThemePalettes.h"
#include "gui/Contrast.h"
#include "gui/KeyboardAccess.h"
#include "gui/PasswordGroupLabel.h"
#include "gui/Pictures.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>
#include <vector>

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
    // The colour a panel fills its inside with, which the style may shade off the window's.
    static QColor panelFill(const QPalette& palette);
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

QColor ThemeColoursTest::panelFill(const QPalette& palette)
{
    QGroupBox panel;
    panel.setPalette(palette);
    panel.resize(100, 100);
    return panel.grab().toImage().pixelColor(50, 50);
}

void ThemeColoursTest::addedTextReadsOnBothThemes_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << lightPalette();
    QTest::newRow("dark") << darkPalette();
    QPalette darker = darkPalette();
    darker.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    QTest::newRow("dark grey") << darker;
    QTest::newRow("Fusion dark") << fusionDarkPalette();
}

// Each colour pair we draw, measured against the palette in use: the problem red on the entry
// dialog, text on a changed character's mark, the focus ring on a panel, the words' ink, and a red
// counter on a dark box (a light one keeps the system's red, see below).
void ThemeColoursTest::addedTextReadsOnBothThemes()
{
    QFETCH(QPalette, palette);
    const QColor window = palette.color(QPalette::Window);
    const QColor mark = PasswordGroupLabel::markColour();
    const QColor ring = keyboardaccess::focusRingColour(palette);
    struct Pair {
        const char* name;
        QColor colour;
        QColor background;
    };
    std::vector<Pair> pairs = {{"problem text", problemColour(palette), window},
                               {"marked text", textColourOn(mark, palette), mark},
                               {"focus ring on the window", ring, window},
                               {"focus ring on a panel", ring, panelFill(palette)},
                               {"words on a panel", wordInk(palette), panelFill(palette)}};
    const QColor base = palette.color(QPalette::Base);
    if (contrast::luminance(base) < contrast::luminance(palette.color(QPalette::Text))) {
        pairs.push_back({"red counter", counterRedColour(palette), base});
    }
    for (const Pair& pair : pairs) {
        const double ratio = contrast::ratio(pair.colour, pair.background);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(pair.name)).arg(ratio)));
    }
}

void ThemeColoursTest::lightThemeKeepsTheOriginalColours()
{
    const QPalette light = lightPalette();
    QCOMPARE(problemColour(light), QColor(0xC0, 0x00, 0x00));
    QCOMPARE(textColourOn(PasswordGroupLabel::markColour(), light), light.color(QPalette::WindowText));
    QCOMPARE(counterRedColour(light), QColor(0xFF, 0x00, 0x00));
    // A light window's check boxes keep the toolkit's own colours: nothing is set.
    QCOMPARE(disabledCheckBoxColours(light).resolveMask(), QPalette::ResolveMask(0));
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
