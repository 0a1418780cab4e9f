#include "gui/Pictures.h"
#include "gui/ClickablePicture.h"
#include "gui/Contrast.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTest>

namespace quandrel {

// The compiled-in pictures, blended onto the light window grey, are exactly the GIFs in assets/ at
// every ratio they are drawn for, and the window shows the drawing that suits its screen.
class PicturesTest final : public QObject {
    Q_OBJECT

private slots:
    void ratioFollowsTheScreen_data();
    void ratioFollowsTheScreen();
    void everyDrawingIsItsGif();
    void unknownPictureIsNull();
    void wordsTakeAnInkThatReads();
    void windowShowsTheDrawingForItsScreen();

private:
    static QString gifPath(const QString& picture, int ratio);
    static QStringList windowPictures();
    static QImage onWindowGrey(const QImage& image);
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

QString PicturesTest::gifPath(const QString& picture, int ratio)
{
    QString file = QStringLiteral(QUANDREL_ASSETS_DIR "/") + picture;
    return ratio == 1 ? file : file.replace(QStringLiteral(".gif"), QStringLiteral("@%1x.gif").arg(ratio));
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
    for (const QString& picture : pictures) {
        const QSize logicalSize = QImage(gifPath(picture, 1)).size();
        for (const int ratio : {1, 2, 3}) {
            const QString name = QStringLiteral("%1 at %2x").arg(picture).arg(ratio);
            const QPixmap shown = loadPicture(picture, ratio);
            QVERIFY2(!shown.isNull(), qPrintable(name));
            QCOMPARE(shown.deviceIndependentSize().toSize(), logicalSize);
            QCOMPARE(shown.size(), logicalSize * ratio);
            // Soft edges blend as the painter blends them on the window, so the light window looks
            // as the GIFs always made it look.
            const QImage gif = onWindowGrey(QImage(gifPath(picture, ratio)));
            QVERIFY2(onWindowGrey(shown.toImage()) == gif, qPrintable(name));
        }
    }
}

void PicturesTest::unknownPictureIsNull()
{
    QVERIFY(loadPicture(QStringLiteral("objects/object99.gif"), 1).isNull());
    QVERIFY(loadPicture(QStringLiteral("objects/object00.gif"), 4).isNull());
    QVERIFY(loadPicture(QString(), 1).isNull());
}

// "No Shield" and "select all" keep their ink on the light grey and take the text colour on a dark
// window, with their soft edges; the other pictures keep their colours.
void PicturesTest::wordsTakeAnInkThatReads()
{
    const QString words = QStringLiteral("objects/noshield.gif");
    QPalette light;
    light.setColor(QPalette::Window, QColor(kWindowGrey));
    light.setColor(QPalette::WindowText, Qt::black);
    QCOMPARE(loadPicture(words, 1, light).toImage(), loadPicture(words, 1).toImage());

    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    const QColor ink = wordInk(dark);
    QVERIFY(contrast::ratio(ink, dark.color(QPalette::Window)) >= 4.5);
    const QImage tinted = loadPicture(words, 1, dark).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage original = loadPicture(words, 1).toImage().convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < tinted.height(); ++y) {
        for (int x = 0; x < tinted.width(); ++x) {
            QCOMPARE(qAlpha(tinted.pixel(x, y)), qAlpha(original.pixel(x, y)));
            if (qAlpha(tinted.pixel(x, y)) == 255) {
                QCOMPARE(tinted.pixel(x, y), ink.rgb());
                ++inked;
            }
        }
    }
    QVERIFY(inked > 0);

    const QString object = QStringLiteral("objects/object05.gif");
    QCOMPARE(loadPicture(object, 1, dark).toImage(), loadPicture(object, 1).toImage());
}

// Run at scale 1 and 2 (see the CMake file): what the window paints is the drawing for its
// screen, pixel for pixel, not a smaller one stretched.
void PicturesTest::windowShowsTheDrawingForItsScreen()
{
    const QString picture = QStringLiteral("objects/object05.gif");
    const int ratio = pictureRatio(qApp->devicePixelRatio());
    QCOMPARE(ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariableIntValue("QT_SCALE_FACTOR") : 1);

    ClickablePicture widget(loadPicture(picture), nullptr);
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

} // namespace quandrel

QTEST_MAIN(quandrel::PicturesTest)
#include "PicturesTest.moc"
