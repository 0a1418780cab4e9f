#include "PictureDescriptions.h"

#include "editor/PictureDescriptions.h"

namespace quandrel {

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

QString objectDescription(int object) { return fromView(describeObject(object)); }

QString shieldDescription(int shield) { return fromView(describeShield(shield)); }

QString flagColumnDescription(int column) { return fromView(describeFlagColumn(column)); }

QString warriorDescription(int picture) { return fromView(describeWarrior(picture)); }

} // namespace quandrel
