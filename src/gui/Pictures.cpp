#include "Pictures.h"

#include "Contrast.h"
#include "editor/ControlRoles.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, so it must be
// called from the global one.
static void registerIconResource() { Q_INIT_RESOURCE(icon); }
static void registerPictureResources() { Q_INIT_RESOURCE(window_pictures); }

namespace quandrel {

namespace {

constexpr int kFinestRatio = 3;
// Comfortable reading for text of any size.
constexpr double kLegibleContrast = 4.5;

// The ink of the pictures that are words (see isWordPicture).
const QColor kInk(28, 28, 32);

// The drawing that keeps its soft edges as alpha, compiled in as a resource beside its ratio's
// siblings: "objects/object00" at 2 is ":/pictures/objects/object00@2x.png".
QString drawingResource(const QString& stem, int ratio)
{
    return QStringLiteral(":/pictures/") + drawingFileName(stem, ratio, u"png");
}

// The drawing with its soft edges blended onto the window colour, as the GIFs blend theirs onto
// the light grey: on that grey the window shows exactly the GIFs' pixels, and on a dark window no
// light rim. What is wholly transparent stays so, and shows whatever the picture lies on.
QImage flattenedOnto(const QImage& drawing, const QColor& window)
{
    QImage seen(drawing.size(), QImage::Format_RGB32);
    seen.setDevicePixelRatio(drawing.devicePixelRatio());
    seen.fill(window);
    QPainter painter(&seen);
    painter.drawImage(0, 0, drawing);
    painter.end();
    seen.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < seen.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(drawing.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(seen.scanLine(y));
        for (int x = 0; x < seen.width(); ++x) {
            if (qAlpha(in[x]) == 0) {
                out[x] = 0;
            }
        }
    }
    return seen;
}

} // namespace

int pictureRatio(qreal devicePixelRatio)
{
    // A ratio a rounding error above a whole number is that number.
    const int wholeRatio = static_cast<int>(std::ceil(devicePixelRatio - 1e-6));
    return std::clamp(wholeRatio, 1, kFinestRatio);
}

QString drawingFileName(const QString& stem, int ratio, QStringView extension)
{
    const QString scale = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
    return stem + scale + QLatin1Char('.') + extension.toString();
}

QImage loadDrawing(const QString& stem, int ratio)
{
    // A static library's resources are registered by hand, once, before the first use.
    [[maybe_unused]] static const bool registered = (registerPictureResources(), true);
    if (ratio < 1 || ratio > kFinestRatio) {
        return {};
    }
    QImage drawing = QImage(drawingResource(stem, ratio)).convertToFormat(QImage::Format_ARGB32);
    drawing.setDevicePixelRatio(ratio);
    return drawing;
}

QColor wordInk(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    if (contrast::ratio(kInk, window) >= kLegibleContrast) {
        return kInk;
    }
    return contrast::legibleAgainst(palette.color(QPalette::WindowText), window, kLegibleContrast);
}

QPixmap loadPicture(const QString& stem, int ratio, const QPalette& palette)
{
    QImage drawing = loadDrawing(stem, ratio);
    if (drawing.isNull()) {
        return {};
    }
    const QColor ink = wordInk(palette);
    if (isWordPicture(stem.toStdString()) && ink != kInk) {
        // The words keep their soft edges and take the ink that reads on this window.
        QPainter painter(&drawing);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(QRectF(QPointF(), drawing.deviceIndependentSize()), ink);
    }
    return QPixmap::fromImage(flattenedOnto(drawing, palette.color(QPalette::Window)));
}

QPixmap loadPicture(const QString& stem, const QPalette& palette)
{
    return loadPicture(stem, pictureRatio(qGuiApp->devicePixelRatio()), palette);
}

QIcon applicationIcon()
{
    // A static library's resources are registered by hand, once, before the first use.
    [[maybe_unused]] static const bool registered = (registerIconResource(), true);
    return QIcon(QStringLiteral(":/icon.png"));
}

} // namespace quandrel
