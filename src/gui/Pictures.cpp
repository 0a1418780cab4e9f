#include "Pictures.h"

#include "BakedPictures.h"
#include "Contrast.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <tuple>

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, so it must be
// called from the global one.
static void registerIconResource() { Q_INIT_RESOURCE(icon); }

namespace quandrel {

namespace {

constexpr int kFinestRatio = 3;
// Comfortable reading for text of any size.
constexpr double kLegibleContrast = 4.5;

// The pictures that are words, drawn in one dark ink.
constexpr std::string_view kWordPictures[] = {"objects/noshield.gif", "objects/selectall.gif"};
const QColor kInk(28, 28, 32);

bool isWordPicture(const QString& path)
{
    return std::find(std::begin(kWordPictures), std::end(kWordPictures), path.toStdString()) != std::end(kWordPictures);
}

const BakedPicture* findPicture(std::string_view path, int ratio)
{
    const auto pictures = bakedPictures();
    const auto key = [](const BakedPicture& picture) { return std::tie(picture.path, picture.ratio); };
    const auto found =
        std::lower_bound(pictures.begin(), pictures.end(), std::tie(path, ratio),
                         [&](const BakedPicture& picture, const auto& wanted) { return key(picture) < wanted; });
    return found != pictures.end() && key(*found) == std::tie(path, ratio) ? &*found : nullptr;
}

} // namespace

int pictureRatio(qreal devicePixelRatio)
{
    // A ratio a rounding error above a whole number is that number.
    const int wholeRatio = static_cast<int>(std::ceil(devicePixelRatio - 1e-6));
    return std::clamp(wholeRatio, 1, kFinestRatio);
}

QPixmap loadPicture(const QString& path, int ratio)
{
    const QByteArray name = path.toLatin1();
    const BakedPicture* picture = findPicture(std::string_view(name.constData(), name.size()), ratio);
    if (picture == nullptr) {
        return {};
    }
    // The image only reads the compiled-in pixels; the pixmap takes its own copy.
    const QImage image(picture->pixels, picture->width, picture->height, picture->width * 4,
                       QImage::Format_ARGB32_Premultiplied);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QColor wordInk(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    if (contrast::ratio(kInk, window) >= kLegibleContrast) {
        return kInk;
    }
    return contrast::legibleAgainst(palette.color(QPalette::WindowText), window, kLegibleContrast);
}

QPixmap loadPicture(const QString& path, int ratio, const QPalette& palette)
{
    QPixmap picture = loadPicture(path, ratio);
    const QColor ink = wordInk(palette);
    if (picture.isNull() || !isWordPicture(path) || ink == kInk) {
        return picture;
    }
    // The words keep their soft edges and take the ink that reads on this window.
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(), picture.deviceIndependentSize()), ink);
    painter.end();
    return picture;
}

QPixmap loadPicture(const QString& path)
{
    return loadPicture(path, pictureRatio(qGuiApp->devicePixelRatio()), QGuiApplication::palette());
}

QIcon applicationIcon()
{
    // A static library's resources are registered by hand, once, before the first use.
    [[maybe_unused]] static const bool registered = (registerIconResource(), true);
    return QIcon(QStringLiteral(":/icon.png"));
}

} // namespace quandrel
