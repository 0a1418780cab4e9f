#include "Pictures.h"

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, so it must be
// called from the global one.
static void registerPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace quandrel {

QPixmap loadPicture(const QString& path)
{
    // A static library's resources are registered by hand, once, before the first use.
    [[maybe_unused]] static const bool registered = (registerPictureResources(), true);
    return QPixmap(QStringLiteral(":/") + path);
}

} // namespace quandrel
