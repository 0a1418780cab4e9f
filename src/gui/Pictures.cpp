#include "Pictures.h"

#include "BakedPictures.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <tuple>

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, so it must be
// called from the global one.
static void registerIconResource() { Q_INIT_RESOURCE(icon); }

namespace quandrel {

namespace {

constexpr int kFinestRatio = 3;

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
    QImage image(picture->pixels, picture->width, picture->height, picture->bytesPerLine, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(picture->colours.begin(), picture->colours.end()));
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap loadPicture(const QString& path) { return loadPicture(path, pictureRatio(qGuiApp->devicePixelRatio())); }

QIcon applicationIcon()
{
    // A static library's resources are registered by hand, once, before the first use.
    [[maybe_unused]] static const bool registered = (registerIconResource(), true);
    return QIcon(QStringLiteral(":/icon.png"));
}

} // namespace quandrel
