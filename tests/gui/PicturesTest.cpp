#include "gui/Pictures.h"
#include "gui/ClickablePicture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>

namespace quandrel {

// The compiled-in pictures are exactly the GIFs in assets/, at every ratio they are drawn for,
// and the window shows the drawing that suits its screen.
class PicturesTest final : public QObject {
    Q_OBJECT

private slots:
    void ratioFollowsTheScreen_data();
    void ratioFollowsTheScreen();
    void everyDrawingIsItsGif();
    void unknownPictureIsNull();
    void windowShowsTheDrawingForItsScreen();

private:
    static QString gifPath(const QString& picture, int ratio);
    static QStringList windowPictures();
};

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
            // GIF pixels are either opaque or clear, so premultiplied colours compare exactly.
            const QImage gif = QImage(gifPath(picture, ratio)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) == gif, qPrintable(name));
        }
    }
}

void PicturesTest::unknownPictureIsNull()
{
    QVERIFY(loadPicture(QStringLiteral("objects/object99.gif"), 1).isNull());
    QVERIFY(loadPicture(QStringLiteral("objects/object00.gif"), 4).isNull());
    QVERIFY(loadPicture(QString(), 1).isNull());
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
