#include "gui/Pictures.h"
#include "ThemePalettes.h"
#include "gui/ClickablePicture.h"
#include "gui/Contrast.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTest>

namespace quandrel {

// The compiled-in drawings, blended onto the light window grey, are exactly the GIFs in assets/ at
// every ratio they are drawn for, so the light window shows the GIFs; a dark window shows them
// without a light rim; and the window shows the drawing that suits its screen.
class PicturesTest final : public QObject {
    Q_OBJECT

private slots:
    void ratioFollowsTheScreen_data();
    void ratioFollowsTheScreen();
    void everyDrawingIsItsGif();
    void unknownPictureIsNull();
    void softEdgesBlendIntoADarkWindow();
    void wordsTakeAnInkThatReads();
    void windowShowsTheDrawingForItsScreen();
    void pictureFollowsAChangeOfTheme();

private:
    static QString gifPath(const QString& picture, int ratio);
    static QStringList windowPictures();
    static QImage onWindowGrey(const QImage& image);
    static QImage premultiplied(const QPixmap& picture);
};

// The grey the GIFs were flattened onto.
constexpr QRgb kWindowGrey = 0xffefefef;

QImage PicturesTest::onWindowGrey(const QImage& image)
{
    QImage seen(image.size(), QImage::Format_RGB32);
    seen.fill(kWindowGrey);
    QPainter painter(&seen);
    painter.drawImage(0, 0, image);
    return seen;
}

// Transparent pixels all alike, whatever colour they hide.
QImage PicturesTest::premultiplied(const QPixmap& picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    return image;
}

QString PicturesTest::gifPath(const QString& picture, int ratio)
{
    return QStringLiteral(QUANDREL_ASSETS_DIR "/") + drawingFileName(picture, ratio, u"gif");
}

QStringList PicturesTest::windowPictures()
{
    QFile list(QStringLiteral(QUANDREL_ASSETS_DIR "/window-pictures.txt"));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromLatin1(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void PicturesTest::ratioFollowsTheScreen_data()
{
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::addColumn<int>("ratio");
    QTest::newRow("below 1") << 0.75 << 1;
    QTest::newRow("1") << 1.0 << 1;
    QTest::newRow("1.25") << 1.25 << 2;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2") << 2.0 << 2;
    QTest::newRow("2 and a rounding error") << 2.0 + 1e-9 << 2;
    QTest::newRow("2.5") << 2.5 << 3;
    QTest::newRow("3") << 3.0 << 3;
    QTest::newRow("4, finer than drawn") << 4.0 << 3;
}

void PicturesTest::ratioFollowsTheScreen()
{
    QFETCH(qreal, devicePixelRatio);
    QFETCH(int, ratio);
    QCOMPARE(pictureRatio(devicePixelRatio), ratio);
}

void PicturesTest::everyDrawingIsItsGif()
{
    const QStringList pictures = windowPictures();
    QVERIFY(!pictures.isEmpty());
    const QPalette light = fusionLightPalette();
    QCOMPARE(light.color(QPalette::Window).rgb(), kWindowGrey);
    for (const QString& picture : pictures) {
        const QSize logicalSize = QImage(gifPath(picture, 1)).size();
        for (const int ratio : {1, 2, 3}) {
            const QString name = QStringLiteral("%1 at %2x").arg(picture).arg(ratio);
            const QImage gif(gifPath(picture, ratio));
            // The drawing's soft edges blend as the painter blends them into the GIF's pixels.
            const QImage drawing = loadDrawing(picture, ratio);
            QVERIFY2(!drawing.isNull(), qPrintable(name));
            QCOMPARE(drawing.devicePixelRatio(), qreal(ratio));
            QVERIFY2(onWindowGrey(drawing) == onWindowGrey(gif), qPrintable(name));
            // So the light window shows the GIF, pixel for pixel, its transparency included.
            const QPixmap shown = loadPicture(picture, ratio, light);
            QCOMPARE(shown.deviceIndependentSize().toSize(), logicalSize);
            QCOMPARE(shown.size(), logicalSize * ratio);
            QVERIFY2(premultiplied(shown) == gif.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     qPrintable(name));
        }
    }
}

void PicturesTest::unknownPictureIsNull()
{
    const QPalette light = fusionLightPalette();
    QVERIFY(loadPicture(QStringLiteral("objects/object99"), 1, light).isNull());
    QVERIFY(loadPicture(QStringLiteral("objects/object00"), 4, light).isNull());
    QVERIFY(loadPicture(QStringLiteral("objects/object00"), 0, light).isNull());
    // A file's name is no stem.
    QVERIFY(loadPicture(QStringLiteral("objects/object00.gif"), 1, light).isNull());
    QVERIFY(loadPicture(QStringLiteral("objects/object00.png"), 1, light).isNull());
    QVERIFY(loadPicture(QString(), 1, light).isNull());
}

// Where a drawing is partly transparent, a dark window shows a mix of its colour and the window's,
// never the light grey's rim that GIF's on/off transparency leaves; transparent stays transparent.
void PicturesTest::softEdgesBlendIntoADarkWindow()
{
    const QPalette dark = fusionDarkPalette();
    const double window = contrast::luminance(dark.color(QPalette::Window));
    const QStringList words = {QStringLiteral("objects/noshield"), QStringLiteral("objects/selectall")};
    for (const QString& picture : windowPictures()) {
        // The words' ink is lighter than the drawing's on a dark window.
        const double ink = words.contains(picture) ? contrast::luminance(wordInk(dark)) : 0.0;
        const QImage drawing = loadDrawing(picture, 1);
        const QImage shown = premultiplied(loadPicture(picture, 1, dark));
        int softPixels = 0;
        for (int y = 0; y < drawing.height(); ++y) {
            for (int x = 0; x < drawing.width(); ++x) {
                const QRgb drawn = drawing.pixel(x, y);
                const QRgb seen = shown.pixel(x, y);
                if (qAlpha(drawn) == 0) {
                    QCOMPARE(seen, QRgb(0));
                    continue;
                }
                QCOMPARE(qAlpha(seen), 255);
                if (qAlpha(drawn) < 255) {
                    ++softPixels;
                    const double lightest = std::max({contrast::luminance(QColor(drawn)), window, ink});
                    const QString place = QStringLiteral("%1 at %2,%3").arg(picture).arg(x).arg(y);
                    QVERIFY2(contrast::luminance(QColor(seen)) <= lightest + 0.01, qPrintable(place));
                }
            }
        }
        QVERIFY2(softPixels > 0, qPrintable(picture));
    }
}

// "No Shield" and "select all" keep their ink on the light grey and take the text colour on a dark
// window, with their soft edges; the other pictures keep their colours.
void PicturesTest::wordsTakeAnInkThatReads()
{
    const QString words = QStringLiteral("objects/noshield");
    const QPalette light = fusionLightPalette();
    QCOMPARE(wordInk(light), QColor(28, 28, 32));

    const QPalette dark = fusionDarkPalette();
    const QColor ink = wordInk(dark);
    QVERIFY(contrast::ratio(ink, dark.color(QPalette::Window)) >= 4.5);
    const QImage drawing = loadDrawing(words, 1);
    const QImage tinted = premultiplied(loadPicture(words, 1, dark));
    int inked = 0;
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            if (qAlpha(drawing.pixel(x, y)) == 255) {
                QCOMPARE(tinted.pixel(x, y), ink.rgb());
                ++inked;
            }
        }
    }
    QVERIFY(inked > 0);

    const QString object = QStringLiteral("objects/object05");
    const QImage objectDrawing = loadDrawing(object, 1);
    const QImage objectShown = premultiplied(loadPicture(object, 1, dark));
    for (int y = 0; y < objectDrawing.height(); ++y) {
        for (int x = 0; x < objectDrawing.width(); ++x) {
            if (qAlpha(objectDrawing.pixel(x, y)) == 255) {
                QCOMPARE(objectShown.pixel(x, y), objectDrawing.pixel(x, y));
            }
        }
    }
}

// Run at scale 1 and 2 (see the CMake file): what the window paints is the drawing for its
// screen, pixel for pixel, not a smaller one stretched.
void PicturesTest::windowShowsTheDrawingForItsScreen()
{
    const QString picture = QStringLiteral("objects/object05");
    const int ratio = pictureRatio(qApp->devicePixelRatio());
    QCOMPARE(ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariableIntValue("QT_SCALE_FACTOR") : 1);

    ClickablePicture widget(picture, nullptr);
    QCOMPARE(widget.size(), QSize(36, 36));
    const QImage painted = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage gif = QImage(gifPath(picture, ratio)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(painted.size(), gif.size());
    for (int y = 0; y < gif.height(); ++y) {
        for (int x = 0; x < gif.width(); ++x) {
            if (qAlpha(gif.pixel(x, y)) == 255) {
                QCOMPARE(painted.pixel(x, y), gif.pixel(x, y));
            }
        }
    }
}

// A theme changed while the window is open: the words take the new text colour, and the soft
// edges blend into the new window colour.
void PicturesTest::pictureFollowsAChangeOfTheme()
{
    const QString words = QStringLiteral("objects/selectall");
    QWidget parent;
    auto* widget = new ClickablePicture(words, &parent);
    // As seen on the window, whatever the grab leaves transparent.
    const auto seenOn = [](const QImage& image, const QPalette& palette) {
        QImage seen(image.size(), QImage::Format_RGB32);
        seen.fill(palette.color(QPalette::Window));
        QImage unscaled = image;
        unscaled.setDevicePixelRatio(1);
        QPainter(&seen).drawImage(0, 0, unscaled);
        return seen;
    };
    for (const QPalette& palette : {fusionDarkPalette(), fusionLightPalette()}) {
        parent.setPalette(palette);
        QCOMPARE(seenOn(widget->grab().toImage(), palette), seenOn(loadPicture(words, 1, palette).toImage(), palette));
    }
    QCOMPARE(seenOn(widget->grab().toImage(), fusionLightPalette()), onWindowGrey(QImage(gifPath(words, 1))));
}

} // namespace quandrel

QTEST_MAIN(quandrel::PicturesTest)
#include "PicturesTest.moc"
